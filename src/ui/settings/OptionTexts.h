// The tool bar's sign boxes and the configuration dialog's texts.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Analysis settings
inline constexpr Phrase kLabelRem = VQ_TEXT("注释:");
inline constexpr Phrase kLabelRemHint = VQ_TEXT("注释所对应的符号(只允许一个字符)");
inline constexpr Phrase kLabelSplit = VQ_TEXT("分隔:");
inline constexpr Phrase kLabelSplitHint = VQ_TEXT("判断哪一项(用于注释项)为有效的符号(只允许一个字符)");
inline constexpr Phrase kOneCharHint = VQ_TEXT("只允许一个字符");
inline constexpr Phrase kTitleSignButton = VQ_TEXT("标题标志");
inline constexpr Phrase kTitleSignButtonHint = VQ_TEXT("设置标题标志");
inline constexpr Phrase kSignBegin = VQ_TEXT("开始标志");
inline constexpr Phrase kSignEnd = VQ_TEXT("结束标志");
inline constexpr Phrase kTitleTypeButtonHint = VQ_TEXT("标题标志的类型");
inline constexpr Phrase kPatternButtonHint = VQ_TEXT("选择模式");
inline constexpr Phrase kOmitTitleSignSpace = VQ_TEXT("忽略标志头尾的空格");

// Configuration dialog
inline constexpr Phrase kOptionCaption = VQ_TEXT("配置");
inline constexpr Phrase kOptionGeneral = VQ_TEXT("常规");
inline constexpr Phrase kOptionRecentCount = VQ_TEXT("最近使用的文件菜单个数:");
inline constexpr Phrase kOptionClearRecent = VQ_TEXT("[ 清除 ]");
inline constexpr Phrase kOptionDeleteSigns = VQ_TEXT("删除自定义标志");
inline constexpr Phrase kOptionRemSign = VQ_TEXT("注释标志:");
inline constexpr Phrase kOptionSplitSign = VQ_TEXT("分隔标志:");
inline constexpr Phrase kOptionTitleSign = VQ_TEXT("标题标志:");
inline constexpr Phrase kOptionDelete = VQ_TEXT("[ 删除 ]");
inline constexpr Phrase kOptionDefaultPattern = VQ_TEXT("默认模式");
inline constexpr const char* kOptionPatterns[4] = {"[General]", "[*.ini]", "[php.ini]", "[httpd.conf]"};
inline constexpr Phrase kOptionAutoExpand = VQ_TEXT("自动展开目录树");
inline constexpr Phrase kOptionSetFont = VQ_TEXT("[ 设置字体... ]");
inline constexpr Phrase kOptionFontName = VQ_TEXT("字体:");
inline constexpr Phrase kOptionFontSize = VQ_TEXT("字号:");
inline constexpr Phrase kOptionLanguage = VQ_TEXT("界面语言");
inline constexpr Phrase kOptionLanguageNote = VQ_TEXT("重新启动后生效");
// Each language by its own name, the same in every language.
inline constexpr const char* kLanguageNames[2] = {"简体中文", "English"};
inline constexpr Phrase kOptionOk = VQ_TEXT("确定(&O)");
inline constexpr Phrase kOptionCancel = VQ_TEXT("取消(&C)");

// What a screen reader reads: names of the controls that show no caption of their own, and the
// spoken form of a log entry's number
inline constexpr Phrase kNameDeleteSign = VQ_TEXT("删除%S");

// Menus
inline constexpr Phrase kRecentNone = VQ_TEXT("<<无>>");

// Patterns and title types: captions and hints by number
inline constexpr Phrase kTitleTypeHints[5] = {
    VQ_TEXT("无标题"), VQ_TEXT("标志和标题在同一行上"), VQ_TEXT("标志在第一行，标题在第二行"),
    VQ_TEXT("标志头尾两行相同，中间一行为标题"), VQ_TEXT("头尾两行标志不同，中间一行为标题")};

}  // namespace vq::texts
