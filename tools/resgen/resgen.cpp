// Turns resources/catalogue.txt into one C++ source file holding every resource as a byte
// array, plus the table that OpenDataResource searches. Runs at build time.
//
//   resgen CATALOGUE RESOURCE_DIR ART_DIR OUTPUT.cpp
//
// ART_DIR "-" builds the pictures in as empty resources (core-only builds).

#include "image/driver_image_layout.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "resgen: " << message << "\n";
    std::exit(1);
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        Fail("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes ParseHex(const std::string& path) {
    const Bytes text = ReadFile(path);
    std::istringstream lines(std::string(text.begin(), text.end()));
    Bytes out;
    std::string line;
    while (std::getline(lines, line)) {
        if (auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        std::istringstream words(line);
        std::string word;
        while (words >> word) {
            if (word[0] == '@') {
                const auto size = std::stoul(word.substr(1), nullptr, 16);
                if (size < out.size())
                    Fail(path + ": padding " + word + " is smaller than the data");
                out.resize(size, 0);
                continue;
            }
            if (word.size() != 2)
                Fail(path + ": bad hex byte '" + word + "'");
            out.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
        }
    }
    return out;
}

// UTF-8 to UTF-16LE with a byte-order mark, so the language tables can be edited as UTF-8.
Bytes Utf16FromUtf8(const Bytes& in, const std::string& path) {
    Bytes out{0xFF, 0xFE};
    auto put = [&](std::uint32_t unit) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    };
    for (std::size_t i = 0; i < in.size();) {
        std::uint32_t cp = in[i];
        int extra = 0;
        if (cp >= 0xF0)
            cp &= 0x07, extra = 3;
        else if (cp >= 0xE0)
            cp &= 0x0F, extra = 2;
        else if (cp >= 0xC0)
            cp &= 0x1F, extra = 1;
        else if (cp >= 0x80)
            Fail(path + ": not UTF-8");
        if (extra > 0 && i + extra >= in.size())
            Fail(path + ": truncated UTF-8");
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (in[i + k] & 0x3F);
        i += 1 + extra;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

struct Entry {
    std::string name;
    Bytes bytes;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 5)
        Fail("usage: resgen CATALOGUE RESOURCE_DIR ART_DIR OUTPUT.cpp");
    const std::string resourceDir = argv[2];
    const std::string artDir = argv[3];

    std::vector<Entry> entries;
    const Bytes catalogue = ReadFile(argv[1]);
    std::istringstream lines(std::string(catalogue.begin(), catalogue.end()));
    std::string line;
    while (std::getline(lines, line)) {
        if (auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        std::istringstream words(line);
        std::string name, kind, arg;
        if (!(words >> name))
            continue;
        if (!(words >> kind >> arg))
            Fail("catalogue line without kind and argument: " + line);
        Entry e{name, {}};
        if (kind == "text")
            e.bytes = ReadFile(resourceDir + "/" + arg);
        else if (kind == "utf16")
            e.bytes = Utf16FromUtf8(ReadFile(resourceDir + "/" + arg), arg);
        else if (kind == "hex")
            e.bytes = ParseHex(resourceDir + "/" + arg);
        else if (kind == "zeros")
            e.bytes.assign(std::stoul(arg), 0);
        else if (kind == "driver") {
            const Bytes image = ParseHex(resourceDir + "/" + arg);
            if (image.size() != 2048)
                Fail(arg + ": a parameter image has 2048 bytes");
            e.bytes = orln7a::driver_layout::DriverImageFromParameterImage(image);
        } else if (kind == "png") {
            if (artDir != "-")
                e.bytes = ReadFile(artDir + "/" + name + ".png");
        } else
            Fail("unknown resource kind '" + kind + "'");
        entries.push_back(std::move(e));
    }

    std::filesystem::create_directories(std::filesystem::path(argv[4]).parent_path());
    std::ofstream out(argv[4], std::ios::binary);
    if (!out)
        Fail(std::string("cannot write ") + argv[4]);
    out << "// Generated by tools/resgen from resources/catalogue.txt. Do not edit.\n"
        << "#include \"ui/resource_catalogue_data.h\"\n\nnamespace orln7a::resources {\nnamespace "
           "{\n";
    for (std::size_t n = 0; n < entries.size(); ++n) {
        out << "alignas(8) const unsigned char kData" << n << "[] = {";
        const auto& b = entries[n].bytes;
        for (std::size_t i = 0; i < b.size(); ++i) {
            if (i % 24 == 0)
                out << "\n";
            out << static_cast<unsigned>(b[i]) << ",";
        }
        if (b.empty())
            out << "0";
        out << "};\n";
    }
    out << "} // namespace\n\nconst EmbeddedResource kEmbedded[] = {\n";
    for (std::size_t n = 0; n < entries.size(); ++n)
        out << "    {\"" << entries[n].name << "\", kData" << n << ", " << entries[n].bytes.size()
            << "},\n";
    out << "};\nconst std::size_t kEmbeddedCount = " << entries.size()
        << ";\n\n} // namespace orln7a::resources\n";
    return out ? 0 : 1;
}
