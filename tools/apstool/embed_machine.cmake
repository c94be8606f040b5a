# Writes the machine file INPUT into OUTPUT as a C++ byte array, so the tool carries its default PC.
file(READ ${INPUT} hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){16})" "\\1\n    " bytes "${bytes}")
file(WRITE ${OUTPUT}
"// Generated from machines/default.reg; do not edit.
#include \"tools/apstool/default_machine.h\"

namespace apstool {

static const unsigned char kDefaultMachineBytes[] = {
    ${bytes}0x00};
std::string_view DefaultMachine() {
    return {reinterpret_cast<const char*>(kDefaultMachineBytes), sizeof kDefaultMachineBytes - 1};
}

}  // namespace apstool
")
