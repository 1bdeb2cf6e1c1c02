// The command line's texts: its errors, its usage hint and --help.
#pragma once

#include "core/TextFormat.h"

namespace vq::texts {

// Command line (varnoquil --outline / --extract): errors on standard error, then the usage
// hint; the help text is made from kCliHelp with the pattern and title-type captions
inline constexpr Phrase kCliUnknownOption = VQ_TEXT("未知的选项: %S");
inline constexpr Phrase kCliMissingValue = VQ_TEXT("选项 %S 缺少参数。");
inline constexpr Phrase kCliUnknownExtraction = VQ_TEXT("未知的提取方式: %S (可用 checked、tree、all)");
inline constexpr Phrase kCliPatternRange = VQ_TEXT("模式必须是 0 到 3 之间的数: %S");
inline constexpr Phrase kCliTitleTypeRange = VQ_TEXT("标题类型必须是 0 到 4 之间的数: %S");
inline constexpr Phrase kCliSignTooLong = VQ_TEXT("选项 %S 的标志太长，最多 255 字节。");
inline constexpr Phrase kCliBadSpaceCount = VQ_TEXT("选项 %S 的空格数无效: %S");
inline constexpr Phrase kCliTwoCommands = VQ_TEXT("只能指定 --outline、--extract 或编辑操作中的一种。");
inline constexpr Phrase kCliNoCommand = VQ_TEXT("请指定 --outline、--extract 或编辑操作 (--get、--set 等)。");
inline constexpr Phrase kCliEditOnly = VQ_TEXT("--check、--diff 和 --json 只用于编辑操作。");
inline constexpr Phrase kCliEditStdinNeedsCheck =
    VQ_TEXT("标准输入无法写回: 编辑标准输入时请加 --check (可与 --diff 同用)。");
inline constexpr Phrase kCliNoFile = VQ_TEXT("没有指定文件。");
inline constexpr Phrase kCliExtraArgument = VQ_TEXT("多余的参数: %S");
inline constexpr Phrase kCliUnknownLanguage = VQ_TEXT("未知的语言: %S (可用 zh、en)");
inline constexpr Phrase kCliUsageHint = VQ_TEXT("用法见 \"varnoquil --help\"。");
inline constexpr Phrase kCliUnknownEncoding =
    VQ_TEXT("未知的编码: %S (可用 GB18030、GBK、Big5、Shift_JIS、EUC-KR、windows-1252)");
inline constexpr Phrase kCliWriteFailed = VQ_TEXT("写入标准输出失败！");
// A regular file as standard output that could not be put back as it was after a failed write.
inline constexpr Phrase kCliOutputNotRestored = VQ_TEXT("标准输出的文件未能恢复原样，其中可能留有部分输出。");
inline constexpr Phrase kCliNoDisplay = VQ_TEXT(
    "没有可用的显示 (DISPLAY、WAYLAND_DISPLAY 和 QT_QPA_PLATFORM 都未设置)，无法打开窗口。\n"
    "不用窗口时可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。");
inline constexpr Phrase kCliNoWindow =
    VQ_TEXT("这个版本没有窗口。可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。");
inline constexpr const char* kCliVersion = "Varnoquil v%S";
inline constexpr Phrase kCliHelp = VQ_TEXT(
    "用法: varnoquil [--lang zh|en] [--] [文件]  打开窗口\n"
    "      varnoquil --outline [选项] 文件        输出目录树\n"
    "      varnoquil --extract 方式 [选项] 文件   输出提取之后保存的内容\n"
    "      varnoquil 编辑操作... [--check] [--diff] [--json] [选项] 文件\n"
    "      varnoquil -h|--help | -V|--version\n"
    "\n"
    "文件为 - 时读取标准输入; 管道、FIFO 和 /dev/stdin 都读到结尾。\n"
    "以 - 开头的文件名写在 -- 之后 (-- 之后的参数都是文件名)。\n"
    "--lang zh|en 为这一次运行的语言 (窗口和消息), 默认为配置中的界面语言。\n"
    "\n"
    "--outline: 目录树的每个节点一行, 按目录树的顺序: 每层两个空格, 节点类型\n"
    "    (S 节, T 标题, K 项, C 注释项), 空格, 行号, \": \", 节点文本。\n"
    "--extract checked|tree|all: \"提取钩选项\"、\"提取目录树\"、\"提取所有\"之后\n"
    "    保存所写的字节, 写到标准输出。\n"
    "\n"
    "编辑操作 (可以有多个, 按顺序执行, 文件只写一次; 只有操作改动的行会变):\n"
    "  --get 节 项          输出节中有效的项的值 (有多个时为最后一个); 没有时退出状态为 1\n"
    "  --set 节 项 值       设置值: 有效的项只改值; 否则启用节中被注释的同名项并设为该值;\n"
    "                       否则在节的最后一个项之后加 \"项 = 值\"; 没有该节时在文件末尾加节\n"
    "  --disable 节 项      用注释标志注释掉节中该项的每个有效行\n"
    "  --enable 节 项       没有有效行时, 启用最后一个被注释的同名项\n"
    "  --delete 节 项       删除节中该项的有效行\n"
    "  节为 \"\" 时指第一个节之前的行; 同名的节视为一个节, 新项加在其最后一块中。\n"
    "  --check              不写文件, 只判断会不会改动\n"
    "  --diff               输出改动的统一差异格式 (unified diff)\n"
    "  --json               输出一个 JSON 对象: changed、operations (每个操作及其结果)、diff\n"
    "  参数和输出都是 UTF-8; 写入时转换为文件的编码 (GBK、UTF-16), 无法表示的字符会被拒绝。\n"
    "  例: varnoquil --set PHP memory_limit 256M --disable PHP expose_php /etc/php/php.ini\n"
    "      varnoquil --get PHP memory_limit /etc/php/php.ini\n"
    "      varnoquil --enable Date date.timezone --check --diff /etc/php/php.ini\n"
    "      varnoquil --pattern 1 --delete global \"wins support\" --json /etc/samba/smb.conf\n"
    "\n"
    "选项 (在模式之后生效):\n"
    "  --pattern N          模式 (默认 2):\n"
    "%S"
    "  --rem 标志           注释标志\n"
    "  --split 标志         分隔标志\n"
    "  --title-type N       标题类型:\n"
    "%S"
    "  --title-begin 标志   标题开始标志\n"
    "  --title-end 标志     标题结束标志\n"
    "  --omit-spaces        忽略标志头尾的空格\n"
    "  --no-omit-spaces     不忽略标志头尾的空格\n"
    "  --encoding 编码      不是 UTF-8 的文件所用的编码 (默认 GB18030, 即 GBK):\n"
    "                       GB18030、Big5、Shift_JIS、EUC-KR、windows-1252\n"
    "由空格组成的标志可写成空格数加 \"|_|\", 如 \"1|_|\" 为一个空格。标志最长 255 字节。\n"
    "标志以 UTF-8 给出, 按文件的编码比较, 与窗口相同。\n"
    "\n"
    "退出状态: 0 成功 (不论有没有改动); 1 文件无法读取、编辑失败 (文件不会被改动) 或输出失败;\n"
    "2 用法错误或文件不存在。\n"
    "读取的一方提前关闭管道时 (如 | head) 程序不再输出, 静默结束。\n");

}  // namespace vq::texts
