#pragma once

#include "core/TextFormat.h"

#include <QString>

namespace vq {

// A program text with its %S/%s/%d filled in, ready to show.
template <typename... Args>
QString FormatMessageQ(const char* format, const Args&... args) {
    const auto arg = [](const auto& a) -> MessageArg {
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, QString>)
            return MessageArg(a.toStdString());
        else
            return MessageArg(a);
    };
    return QString::fromStdString(FormatMessage(format, {arg(args)...}));
}

}  // namespace vq
