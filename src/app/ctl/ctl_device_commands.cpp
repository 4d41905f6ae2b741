// Commands that talk to a mouse: a real one through hidapi, or the simulated one (--sim FILE,
// whose memory persists in FILE).

#include "app/ctl/ctl_common.h"
#include "app/ctl/ctl_show.h"

#include "common/files.h"
#include "device/discovery.h"
#include "device/hidapi_backend.h"
#include "device/identification.h"
#include "device/simulated_backend.h"
#include "image/device_flows.h"
#include "ui/data_folders.h"

#include <charconv>
#include <iostream>

namespace orln7a::ctl {

namespace {

constexpr const char* kSimPath = "/dev/hidraw-simulated";

struct DeviceOptions {
    std::string sim;
    std::vector<std::string> faults;
};

std::optional<long> ParseNumber(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The mouse (real or simulated), the HID system it is in, and a transport attached to it.
class Connection {
public:
    static Result<std::unique_ptr<Connection>> Open(const DeviceOptions& options, bool attach);

    HidBackend& backend() { return *backend_; }
    Transport& transport() { return transport_; }
    SimulatedMouse* mouse() { return mouse_.get(); }

private:
    // The simulated mouse answers at once: its waits need no real time.
    explicit Connection(bool simulated)
        : transport_(simulated ? static_cast<Clock&>(fakeClock_) : systemClock_) {}
    Status ApplyFaults(const std::vector<std::string>& faults, HidInterfaceInfo& info);

    SystemClock systemClock_;
    FakeClock fakeClock_;
    std::unique_ptr<HidBackend> backend_;
    std::shared_ptr<SimulatedMouse> mouse_;
    Transport transport_;
};

Status Connection::ApplyFaults(const std::vector<std::string>& faults, HidInterfaceInfo& info) {
    auto& b = mouse_->behaviour();
    for (const auto& fault : faults) {
        const auto eq = fault.find('=');
        const std::string kind = fault.substr(0, eq);
        const std::string value = eq == std::string::npos ? "" : fault.substr(eq + 1);
        const auto number = ParseNumber(value);
        auto needNumber = [&]() -> Status {
            if (!number || *number < 0 || *number > 0xFFFF)
                return MakeError("", "--sim-fault " + kind + " needs a number: " + fault);
            return Ok();
        };
        if (kind == "refuse") {
            b.refuseAll = true;
        } else if (kind == "silent") {
            b.neverReady = true;
        } else if (kind == "readonly") {
            b.writeAllowed = false;
        } else if (kind == "drop-acks" || kind == "stuck" || kind == "chip" || kind == "version" ||
                   kind == "report-len" || kind == "unplug-after") {
            if (Status s = needNumber(); !s)
                return s;
            const auto n = static_cast<int>(*number);
            if (kind == "drop-acks")
                b.lostChunkAcks = n;
            else if (kind == "stuck")
                b.stuckAddresses.insert(static_cast<std::uint16_t>(n));
            else if (kind == "chip")
                b.chipCode = static_cast<std::uint8_t>(n);
            else if (kind == "version")
                info.versionNumber = static_cast<std::uint16_t>(n);
            else if (kind == "report-len")
                info.lengths.feature = static_cast<std::uint16_t>(n);
            else
                b.unplugAfterReports = n;
        } else if (kind == "ids") {
            const auto comma = value.find(',');
            const auto m = ParseNumber(value.substr(0, comma));
            const auto p =
                comma == std::string::npos ? std::nullopt : ParseNumber(value.substr(comma + 1));
            if (!m || !p || *m < 0 || *m > 255 || *p < 0 || *p > 255)
                return MakeError("", "--sim-fault ids needs M,P (0..255): " + fault);
            mouse_->SetMemory(0x36,
                              Bytes{static_cast<std::uint8_t>(*m), static_cast<std::uint8_t>(*p)});
        } else {
            return MakeError("", "unknown --sim-fault " + kind);
        }
    }
    return Ok();
}

Result<std::unique_ptr<Connection>> Connection::Open(const DeviceOptions& options, bool attach) {
    std::unique_ptr<Connection> c(new Connection(!options.sim.empty()));
    if (options.sim.empty()) {
        if (!options.faults.empty())
            return MakeError("", "--sim-fault needs --sim");
        c->backend_ = std::make_unique<HidapiBackend>();
    } else {
        std::error_code ec;
        Bytes image;
        if (std::filesystem::exists(options.sim, ec)) {
            auto loaded = SimulatedMouse::LoadImageFile(options.sim);
            if (!loaded)
                return loaded.error();
            image = std::move(*loaded);
        }
        c->mouse_ = image.empty() ? std::make_shared<SimulatedMouse>(c->fakeClock_)
                                  : std::make_shared<SimulatedMouse>(c->fakeClock_, image);
        if (image.empty()) {
            if (Status saved = c->mouse_->Save(options.sim); !saved)
                return saved.error();
        }
        c->mouse_->PersistTo(options.sim);
        HidInterfaceInfo info = SimulatedHidBackend::MouseInterfaceInfo(kSimPath);
        if (Status s = c->ApplyFaults(options.faults, info); !s)
            return s.error();
        auto backend = std::make_unique<SimulatedHidBackend>();
        backend->Plug({info, c->mouse_});
        c->backend_ = std::move(backend);
    }
    if (attach) {
        auto found = FindDevice(*c->backend_, kMouseVendorId, kMouseProductId, kMouseVersionNumber);
        if (!found)
            return MakeError(found.error().key.empty() ? "Str100" : found.error().key,
                             found.error().detail);
        c->transport_.Attach(std::move(found->handle), found->info);
    }
    return c;
}

DeviceOptions& Options() {
    static DeviceOptions options;
    return options;
}

void AddDeviceOptions(CLI::App& command) {
    command.add_option("--sim", Options().sim,
                       "use the simulated mouse whose memory persists in FILE");
    command.add_option("--sim-fault", Options().faults,
                       "make the simulated mouse misbehave: refuse, silent, drop-acks=N, "
                       "stuck=ADDR, readonly, chip=CODE, ids=M,P, version=V, report-len=N, "
                       "unplug-after=N");
}

// Flows on a fresh editor state, as the editor runs them, without a window.
struct Editor {
    Editor(Connection& connection, const LoadedOemSettings& oem)
        : state(MakeEditorState(oem, DataFolder(oem.settings.path))),
          flows(state, connection.transport(), hooks) {}
    FlowHooks hooks;
    EditorState state;
    DeviceFlows flows;
};

nlohmann::json InterfaceJson(const HidInterfaceInfo& info) {
    return {
        {"path", info.path},
        {"vendor", info.vendorId},
        {"product", info.productId},
        {"version", info.versionNumber},
        {"usage_page", info.usagePage},
        {"usage", info.usage},
        {"feature_length", info.lengths.feature},
        {"matches", InterfaceMatches(info, kMouseVendorId, kMouseProductId, kMouseVersionNumber)}};
}

int List(bool all) {
    auto c = Connection::Open(Options(), false);
    if (!c)
        return Fail(c.error());
    nlohmann::json out = nlohmann::json::array();
    for (const auto& info : (*c)->backend().Enumerate()) {
        auto j = InterfaceJson(info);
        if (all || j["matches"].get<bool>())
            out.push_back(j);
    }
    PrintJson(out);
    return 0;
}

int Descriptor(const std::string& file) {
    const auto bytes = ReadWholeFile(file, 1 << 16);
    if (!bytes)
        return Fail(bytes.error());
    nlohmann::json out = nlohmann::json::array();
    for (const auto& c : ParseReportDescriptor(*bytes)) {
        out.push_back({{"usage_page", c.usagePage},
                       {"usage", c.usage},
                       {"input_length", c.lengths.input},
                       {"output_length", c.lengths.output},
                       {"feature_length", c.lengths.feature}});
    }
    PrintJson(out);
    return 0;
}

// Runs one flow of the editor against the mouse.
template <typename Flow> int RunFlow(Flow&& flow) {
    const auto oem = LoadOemSettings();
    if (!oem)
        return Fail(oem.error());
    auto c = Connection::Open(Options(), true);
    if (!c)
        return Fail(c.error());
    Editor editor(**c, *oem);
    return flow(editor);
}

int Info() {
    return RunFlow([](Editor& e) {
        auto session = DeviceSession::Begin(e.flows.transport());
        if (!session)
            return Fail(session.error());
        const ControllerInfo controller = session->Controller();
        nlohmann::json out = {{"chip", controller.chipCode},
                              {"chip_number", controller.chipNumber},
                              {"write_allowed", controller.writeAllowed}};
        const auto ids = ReadIdentifierBytes(*session);
        (void)session->End();
        if (!ids)
            return Fail(ids.error());
        out["manufacturer"] = ids->manufacturer;
        out["product"] = ids->product;
        out["accepted"] = IsAcceptedIdentifier(e.state.accepted, *ids);
        PrintJson(out);
        return 0;
    });
}

int Read(bool all, const std::string& output) {
    return RunFlow([&](Editor& e) {
        if (Status read = e.flows.ReadDevInfo(all); !read)
            return Fail(read.error().key.empty() ? MakeError("Str020", read.error().detail)
                                                 : read.error());
        if (Status written = WriteFileAtomically(output, e.state.dataBuf); !written)
            return Fail(written.error());
        return 0;
    });
}

int Write(const std::string& file) {
    return RunFlow([&](Editor& e) {
        if (Status loaded = e.flows.LoadProfile(file); !loaded)
            return Fail(loaded.error());
        return 0;
    });
}

int Reset(int number) {
    if (number < 1 || number > 3)
        return Fail("default image number must be 1, 2 or 3");
    return RunFlow([&](Editor& e) {
        if (Status reset = e.flows.TLDefaultParameter(number - 1); !reset)
            return Fail(reset.error());
        return 0;
    });
}

} // namespace

void AddDeviceCommands(CLI::App& app, int& status) {
    static bool all = false;
    static std::string file;
    static std::string output;
    static int number = 1;

    auto* list = app.add_subcommand("list", "HID interfaces of the mouse (all of them with --all)");
    list->add_flag("--all", all, "every HID interface, to see why a mouse is not found");
    AddDeviceOptions(*list);
    list->callback([&status] { status = List(all); });

    auto* descriptor =
        app.add_subcommand("descriptor", "Report lengths of a raw HID report descriptor");
    descriptor->add_option("FILE", file, "the descriptor's bytes")->required();
    descriptor->callback([&status] { status = Descriptor(file); });

    auto* info = app.add_subcommand("info", "Identify the mouse");
    AddDeviceOptions(*info);
    info->callback([&status] { status = Info(); });

    auto* read = app.add_subcommand("read", "Read the mouse's configuration into a file");
    read->add_flag("--all", all, "all 2048 bytes instead of the 255 bytes of \"Read\"");
    read->add_option("-o,--output", output, "image file to write")->required();
    AddDeviceOptions(*read);
    read->callback([&status] { status = Read(all, output); });

    auto* write = app.add_subcommand("write", "Write a profile file to the mouse and verify it");
    write->add_option("FILE", file, "a 2048-byte image file")->required();
    AddDeviceOptions(*write);
    write->callback([&status] { status = Write(file); });

    auto* reset = app.add_subcommand("reset", "Write default image N to the mouse and verify it");
    reset->add_option("N", number, "1, 2 or 3")->required();
    AddDeviceOptions(*reset);
    reset->callback([&status] { status = Reset(number); });
}

void AddShowDeviceOptions(CLI::App& show) {
    AddDeviceOptions(show);
}

int ShowMouse() {
    return RunFlow([](Editor& e) {
        if (Status read = e.flows.ReadDevInfo(true); !read)
            return Fail(read.error().key.empty() ? MakeError("Str020", read.error().detail)
                                                 : read.error());
        const auto described = DescribeImage(e.state.dataBuf);
        if (!described)
            return Fail(described.error());
        PrintJson(*described);
        return 0;
    });
}

} // namespace orln7a::ctl
