// The About box's texts.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// About box: its caption, the labels' own captions (kept when the program has no version
// information), the links and the introduction
// The version information's comment, in the language of the run's first use
inline constexpr Phrase kAboutCaption = VQ_TEXT("关于");
inline constexpr const char* kAboutVersion = "Version";
inline constexpr const char* kAboutCopyright = "Copyright";
inline constexpr const char* kAboutComments = "Comments";
inline constexpr const char* kAboutAuthor = "Author";
inline constexpr const char* kAboutCompany = "Company";
inline constexpr const char* kVersionPrefix = "v";
inline constexpr Phrase kReleaseDatePrefix = VQ_TEXT("发布日期：");
inline constexpr const char* kReadmeFile = "Readme.txt";
inline constexpr Phrase kReadmeTip = VQ_TEXT("查看\"Readme.txt\"");
inline constexpr const char* kHomePageLink = "HomePage";
inline constexpr const char* kEMailLink = "E-Mail";
inline constexpr const char* kGameLabel = "QOR";
inline constexpr Phrase kPlayfieldName = VQ_TEXT("打砖块游戏");
inline constexpr Phrase kPlayfieldDescription = VQ_TEXT(
    "黑色的信息窗口也是一个打砖块游戏：右键单击信息面板使其离开；只剩黑色区域时，按住 Shift 右键单击发一个球，"
    "按住 Ctrl+Alt 右键单击发十个球；上、下方向键移动球拍，左键单击结束游戏。");
inline constexpr Phrase kAboutIntro = VQ_TEXT(
    "  Varnoquil 是一个用于编辑ini格式的文件编辑器，她能够分析ini格式文件的内部结构，将文件里的各种信息归类、"
    "分组，显示出它的目录结构，从而可以方便的定位、查找您想要的信息。此外，她不仅可用于ini文件，而且支持任何结构与"
    "ini文件类似的文本文件。");

}  // namespace vq::texts
