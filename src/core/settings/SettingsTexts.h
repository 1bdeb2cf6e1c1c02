// The analysis settings and the settings file: hints, patterns and title types.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Analysis settings
inline constexpr Phrase kTitleSignHint = VQ_TEXT("开始标志(当前字数:%d)");

// Settings file and recent files
inline constexpr Phrase kSettingsWriteFailed = VQ_TEXT("保存设置文件 \"%S\" 失败！");

// Patterns and title types: captions and hints by number
inline constexpr Phrase kPatternCaptions[4] = {VQ_TEXT("模式[General]"), VQ_TEXT("模式[*.ini]"),
                                               VQ_TEXT("模式[php.ini]"), VQ_TEXT("模式[httpd.conf]")};
inline constexpr Phrase kTitleTypeCaptions[5] = {VQ_TEXT("无标题(默认)"), VQ_TEXT("一行标志(二者同行)"),
                                                 VQ_TEXT("两行标志(首行标志)"), VQ_TEXT("三行标志(头尾相同)"),
                                                 VQ_TEXT("三行标志(头尾不同)")};

}  // namespace vq::texts
