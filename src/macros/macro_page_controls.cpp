#include "ui/page_controls.h"
#include "ui/skin_controls.h"

namespace orln7a {

void BuildMacroPage(SkinControls& controls, QWidget* page) {
    (void)controls;
    (void)page;
}

} // namespace orln7a
