#include "core/TextFormat.h"

namespace vq {

std::string FormatMessage(std::string_view format, std::initializer_list<MessageArg> args) {
    std::string out;
    out.reserve(format.size() + 32);
    auto next = args.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 >= format.size()) {
            out += c;
            continue;
        }
        const char code = format[i + 1];
        if (code == '%') {
            out += '%';
            ++i;
        } else if ((code == 'S' || code == 's' || code == 'd') && next != args.end()) {
            out += next->text;
            ++next;
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace vq
