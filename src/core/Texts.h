// Every text the program shows: captions, hints and messages, in UTF-8.
// Messages are formatted with FormatMessage: %S and %s take a string, %d a number.
//
// Chinese is the reference text. Each Chinese text is marked with VQ_TEXT, which Qt's lupdate
// reads as QT_TR_NOOP (lupdate -tr-function-alias QT_TR_NOOP=VQ_TEXT), so the English lives in
// resources/translations/varnoquil_en.ts and nowhere else. A text already in English is a plain
// const char* and reads the same in both languages.
#pragma once

#include "core/Language.h"

#include <cerrno>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#define VQ_TEXT(chinese) ::vq::texts::Phrase(chinese)

namespace vq::texts {

// Window and document
inline constexpr const char* kAppTitle = "Varnoquil";
inline constexpr const char* kCaptionPrefix = "Varnoquil-";
inline constexpr const char* kModifiedMark = " *";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr Phrase kOutOfMemory = VQ_TEXT("内存不足，即将关闭！");
inline constexpr Phrase kFileMissing = VQ_TEXT("文件 \"%S\" 不存在！");

// Content list and target text
inline constexpr Phrase kColumnAfter = VQ_TEXT("修改后");
inline constexpr Phrase kColumnBefore = VQ_TEXT("修改前");
inline constexpr Phrase kNewLineMark = VQ_TEXT("<<新建行>>");
inline constexpr Phrase kPageTarget = VQ_TEXT("目标文本");
inline constexpr Phrase kPageLog = VQ_TEXT("日志");
inline constexpr Phrase kTextMirrorsList = VQ_TEXT("当前文本内容与列表相同");
inline constexpr Phrase kTextFromAction = VQ_TEXT("当前文本内容为上次操作:%S");
inline constexpr const char* kLinePanel = "Line:%d";
inline constexpr const char* kCaretPanel = "Row:%d Col:%d";
inline constexpr Phrase kRowGone = VQ_TEXT("所选择的行不存在！！！");

// Loading
inline constexpr Phrase kLargeFileNotice = VQ_TEXT("该文件很大，打开可能要好几秒。");
inline constexpr Phrase kWarningTitle = VQ_TEXT("警告");
inline constexpr Phrase kHugeFileQuestion = VQ_TEXT("该文件太大，建议用记事本打开！");
inline constexpr Phrase kOpening = VQ_TEXT("正在打开文件 ...");
inline constexpr Phrase kOpenLogEntry = VQ_TEXT("打开文件:\"%s\"");
inline constexpr Phrase kLoadingRows = VQ_TEXT("正在加载内容列表 ... %d行, 共%d行");
inline constexpr Phrase kDone = VQ_TEXT("处理完毕！");
inline constexpr Phrase kOpened = VQ_TEXT("打开成功！");
inline constexpr Phrase kRowsFailed = VQ_TEXT("打开文件时，出现错误！可能是系统资源不足");
inline constexpr Phrase kFileTooLarge = VQ_TEXT("该文件超过 4 GB，无法打开！");
inline constexpr Phrase kProgramNotFound = VQ_TEXT("可执行文件\"%S\"未找到！");
// A file that cannot be opened at all, with its size and why; loads that are stopped
inline constexpr Phrase kTooLargeToOpen = VQ_TEXT("文件 \"%S\" 太大（%S），无法打开！");
inline constexpr Phrase kTooLargeForLines = VQ_TEXT("最多只能打开 4 GB 的文件。");
inline constexpr Phrase kTooLargeForMemory = VQ_TEXT("打开它约需 %S 内存，现在只有 %S 可用。");
inline constexpr Phrase kOutOfMemoryOnOpen = VQ_TEXT("打开时内存不足。");
inline constexpr Phrase kByteUnit = VQ_TEXT("字节");
inline constexpr Phrase kOpenCancelled = VQ_TEXT("已取消打开文件。");
inline constexpr Phrase kCancelLoading = VQ_TEXT("取消");
inline constexpr Phrase kCancelLoadingHint = VQ_TEXT("停止打开文件 (Esc)");

// Topic tree
inline constexpr Phrase kBuildingTree = VQ_TEXT("正在处理目录树和内容列表 ... %d行, 共%d行");
inline constexpr const char* kTitleSettingsError = "Some error happened, about your title settings?";

// New, save, close
inline constexpr Phrase kSaveQuestion = VQ_TEXT("文件已改变, 要保存吗?");
inline constexpr Phrase kUnloading = VQ_TEXT("正在卸载数据 ...");
inline constexpr Phrase kSaveFailed = VQ_TEXT("保存文件 \"%S\" 失败！");
inline constexpr Phrase kSaveDialogTitle = VQ_TEXT("另存为");
inline constexpr const char* kConfirmTitle = "Confirm";
inline constexpr Phrase kTextNotEncodable = VQ_TEXT("文本中有当前编码无法表示的字符，无法写入！");

// Extraction: the confirmations and the count of tree nodes whose row is gone
inline constexpr Phrase kConfirmSaveSel = VQ_TEXT("确定要\"提取钩选项\"吗?");
inline constexpr Phrase kConfirmSaveTree = VQ_TEXT("确定要\"提取目录树\"吗?");
inline constexpr Phrase kConfirmSaveAll = VQ_TEXT("确定要\"提取所有项\"吗?");
inline constexpr Phrase kInvalidTreeNodes = VQ_TEXT("目录树有 %d 项无效！");

// Find: the status text, the wrap-around question and the find dialog's own captions
inline constexpr Phrase kFindNextHint = VQ_TEXT("按 F3 键,查找下一个");
inline constexpr Phrase kFindFailedTitle = VQ_TEXT("查找失败");
inline constexpr Phrase kFindFailed = VQ_TEXT("找不到 \"%S\" !\n是否要从头开始查找?");
inline constexpr Phrase kFindDlgTitle = VQ_TEXT("查找");
inline constexpr Phrase kFindWhat = VQ_TEXT("查找内容(&N):");
inline constexpr Phrase kFindWholeWord = VQ_TEXT("全字匹配(&W)");
inline constexpr Phrase kFindMatchCase = VQ_TEXT("区分大小写(&C)");
inline constexpr Phrase kFindDirection = VQ_TEXT("方向");
inline constexpr Phrase kFindUp = VQ_TEXT("向上(&U)");
inline constexpr Phrase kFindDown = VQ_TEXT("向下(&D)");
inline constexpr Phrase kFindNextButton = VQ_TEXT("查找下一个(&F)");
inline constexpr Phrase kFindCancel = VQ_TEXT("取消");

// Target text commands and external programs: the samples folder, the help page, the report
// program
inline constexpr Phrase kPathMissing = VQ_TEXT("路径 \"%S\" 不存在！");
inline constexpr const char* kSamplesShownPath = "./Samples";
inline constexpr Phrase kHelpNotShown = VQ_TEXT("无法打开帮助页 \"%S\"，请检查是否安装了网页浏览器。");

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
inline constexpr Phrase kReadStdinFailed = VQ_TEXT("读取标准输入失败！");
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

// Headless edits (varnoquil --get/--set/--disable/--enable/--delete): what they refuse and report
inline constexpr Phrase kEditRemSignUnusable = VQ_TEXT("编辑需要一个单字节、非空白的注释标志 (如 --rem \";\")。");
inline constexpr Phrase kEditKeyEmpty = VQ_TEXT("项名不能为空。");
inline constexpr Phrase kEditKeyBlankEnds = VQ_TEXT("项名 \"%S\" 的开头或结尾不能是空白。");
inline constexpr Phrase kEditKeyHasSplit = VQ_TEXT("项名 \"%S\" 中不能含有分隔标志。");
inline constexpr Phrase kEditKeyReadsOtherwise = VQ_TEXT("项名 \"%S\" 会被读成注释或节名。");
inline constexpr Phrase kEditValueBlankEnds = VQ_TEXT("值 \"%S\" 的开头或结尾不能是空白。");
inline constexpr Phrase kEditSectionBracket = VQ_TEXT("节名 \"%S\" 中不能含有 \"]\"。");
inline constexpr Phrase kEditKeyNotFound = VQ_TEXT("节 \"%S\" 中没有有效的项 \"%S\"。");
inline constexpr Phrase kEditNothingToEnable = VQ_TEXT("节 \"%S\" 中没有可以启用的项 \"%S\"。");
inline constexpr Phrase kEditNotUtf8 = VQ_TEXT("参数 \"%S\" 不是有效的 UTF-8 文本。");

// A file changed on disk by someone else: the bar above the views and the question before Save
inline constexpr Phrase kDiskChanged = VQ_TEXT("文件 \"%S\" 已被其他程序修改。");
inline constexpr Phrase kDiskMissing = VQ_TEXT("文件 \"%S\" 已被删除或移走。保存会在原路径重新写入。");
inline constexpr Phrase kDiskReload = VQ_TEXT("重新加载");
inline constexpr Phrase kDiskReloadHint = VQ_TEXT("放弃这里显示的内容，读入磁盘上的文件");
inline constexpr Phrase kDiskQuestionTitle = VQ_TEXT("文件已被修改");
inline constexpr Phrase kDiskQuestion = VQ_TEXT(
    "文件 \"%S\" 在读入之后已被其他程序修改。\n\n"
    "覆盖：用这里的内容写过它，其他程序的修改会丢失。\n"
    "重新加载：读入磁盘上的文件。\n"
    "另存为：把这里的内容保存为另一个文件。");
inline constexpr Phrase kDiskOverwrite = VQ_TEXT("覆盖");
inline constexpr Phrase kDiskSaveAs = VQ_TEXT("另存为");
inline constexpr Phrase kDiskCancel = VQ_TEXT("取消");

// Opening and saving errors: the first line, then the reason on its own line
inline constexpr Phrase kOpenFailed = VQ_TEXT("打开文件 \"%S\" 失败！");
inline constexpr Phrase kNewContentKept = VQ_TEXT("原文件可能已不完整，新内容完整保存在 \"%S\"。");
inline constexpr Phrase kReasonFolder = VQ_TEXT("这是一个文件夹。");
inline constexpr Phrase kReasonNotRegular = VQ_TEXT("这不是一个普通文件。");
inline constexpr Phrase kReasonChangedOnDisk = VQ_TEXT("文件在读入之后已被其他程序修改，没有写入。");
inline constexpr Phrase kReasonLinkAdded = VQ_TEXT("\"%S\" 是读入文件之后才出现的符号链接，不经由它写入。");
inline constexpr Phrase kReasonLinkChanged = VQ_TEXT("符号链接 \"%S\" 现在指向别处，与读入文件时不同，不经由它写入。");
inline constexpr Phrase kReasonLinkUnsafe =
    VQ_TEXT("符号链接 \"%S\" 属于其他用户，又在人人可写的粘滞文件夹中，不经由它读写。");
// Reasons by errno; any other errno is worded by the system.
inline constexpr std::pair<int, Phrase> kErrnoTexts[] = {
    {ENOENT, VQ_TEXT("文件或文件夹不存在。")},
    {ENOTDIR, VQ_TEXT("路径中有一部分不是文件夹。")},
    {EISDIR, VQ_TEXT("这是一个文件夹。")},
    {EACCES, VQ_TEXT("没有访问权限。")},
    {EPERM, VQ_TEXT("不允许这样操作。")},
    {EROFS, VQ_TEXT("文件系统是只读的。")},
    {ENOSPC, VQ_TEXT("磁盘空间不足。")},
    {EDQUOT, VQ_TEXT("超出了磁盘配额。")},
    {EFBIG, VQ_TEXT("文件太大。")},
    {ENAMETOOLONG, VQ_TEXT("文件名太长。")},
    {ELOOP, VQ_TEXT("符号链接的层数太多。")},
    {EIO, VQ_TEXT("读写设备时出错。")},
    {EBUSY, VQ_TEXT("文件或设备正忙。")},
    {ETXTBSY, VQ_TEXT("文件正被执行，不能写入。")},
    {EMFILE, VQ_TEXT("打开的文件太多。")},
    {ENFILE, VQ_TEXT("打开的文件太多。")},
    {ENOMEM, VQ_TEXT("内存不足。")},
    {EEXIST, VQ_TEXT("文件已存在。")},
    {EPIPE, VQ_TEXT("读取的一方已关闭。")},
};

// Operation log
inline constexpr Phrase kOpStart = VQ_TEXT("<<操作开始>>");
inline constexpr Phrase kOpEnd = VQ_TEXT("<<操作结束>>");
inline constexpr Phrase kLogHoverEmpty = VQ_TEXT("双击转到指定行。");
inline constexpr Phrase kLogRowMissing = VQ_TEXT("指定行不存在!!");

// Editing commands: the summaries and words of their log entries, and what they refuse
inline constexpr Phrase kSelectionSummary = VQ_TEXT("<<选择 %d 行，%S %d 行>>");
inline constexpr Phrase kRestoreAllSummary = VQ_TEXT("<<共恢复了 %d 行>>");
inline constexpr Phrase kWordComment = VQ_TEXT("注释");
inline constexpr Phrase kWordUncomment = VQ_TEXT("取消注释");
inline constexpr Phrase kWordDelete = VQ_TEXT("删除");
inline constexpr Phrase kWordRestore = VQ_TEXT("恢复");
inline constexpr Phrase kRemovedNewRowMark = VQ_TEXT("<<删除>>");
// Undo and redo: the menu items without and with the step they take back or make again, the
// summaries of their log entries, and the steps of the user's own check-box clicks
inline constexpr Phrase kCapUndo = VQ_TEXT("撤销");
inline constexpr Phrase kCapRedo = VQ_TEXT("重做");
inline constexpr Phrase kUndoStep = VQ_TEXT("撤销 %S");
inline constexpr Phrase kRedoStep = VQ_TEXT("重做 %S");
inline constexpr Phrase kHintUndo = VQ_TEXT("撤销上一步操作");
inline constexpr Phrase kHintRedo = VQ_TEXT("重做撤销的操作");
inline constexpr Phrase kUndoSummary = VQ_TEXT("<<共撤销了 %d 行>>");
inline constexpr Phrase kRedoSummary = VQ_TEXT("<<共重做了 %d 行>>");
inline constexpr Phrase kCapCheckRow = VQ_TEXT("钩选");
inline constexpr Phrase kCapUncheckRow = VQ_TEXT("取消钩选");
inline constexpr Phrase kRestoreAllQuestion = VQ_TEXT("确定要\"恢复所有行\"吗?");
inline constexpr Phrase kLineBreakInRow = VQ_TEXT("一行文本中不能含有换行符，未作任何修改。");
// Typed text with a character the document's encoding cannot hold: the character and its number
inline constexpr Phrase kCharNotEncodable = VQ_TEXT("本文件的编码无法保存字符 \"%S\" (U+%S)，未作任何修改。");

// Insert dialog (its buttons read as the configuration dialog's)
inline constexpr Phrase kInsertCaption = VQ_TEXT("插入文本");
inline constexpr Phrase kInsertPagePlain = VQ_TEXT("普通");
inline constexpr Phrase kInsertPageTitle = VQ_TEXT("标题");
inline constexpr Phrase kInsertTitleLabel = VQ_TEXT("标题:");
inline constexpr Phrase kInsertAddRem = VQ_TEXT("注释标题");
inline constexpr Phrase kInsertAllRem = VQ_TEXT("将每行强迫为注释");

// Analysis settings
inline constexpr Phrase kTitleSignHint = VQ_TEXT("开始标志(当前字数:%d)");
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

// Settings file and recent files
inline constexpr Phrase kSettingsWriteFailed = VQ_TEXT("保存设置文件 \"%S\" 失败！");

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

// Focus texts of the three views
inline constexpr Phrase kFocusTree = VQ_TEXT("目录树; 单击, 列表定位到相应项; 若列表项改变点刷新");
inline constexpr Phrase kFocusList = VQ_TEXT("列表项; 双击, 编辑项目, 文本定位到相应行");
inline constexpr Phrase kFocusText = VQ_TEXT("文本查看; 只读; 为最终保存的文本");

// What a screen reader reads: names of the controls that show no caption of their own, and the
// spoken form of a log entry's number
inline constexpr Phrase kNameTree = VQ_TEXT("目录树");
inline constexpr Phrase kNameList = VQ_TEXT("内容列表");
inline constexpr Phrase kNameStatusBar = VQ_TEXT("状态栏");
inline constexpr Phrase kNameToolBar = VQ_TEXT("工具栏");
inline constexpr Phrase kNameLinePanel = VQ_TEXT("行号");
inline constexpr Phrase kNameCaretPanel = VQ_TEXT("光标位置");
inline constexpr Phrase kNameMessagePanel = VQ_TEXT("消息");
inline constexpr Phrase kNameDeleteSign = VQ_TEXT("删除%S");
inline constexpr Phrase kSpokenLogRow = VQ_TEXT("第%d行 ");

// Menus
inline constexpr Phrase kMenuFile = VQ_TEXT("文件(&F)");
inline constexpr Phrase kMenuFileHint = VQ_TEXT("新建一个 ini 文件");
inline constexpr Phrase kMenuEdit = VQ_TEXT("编辑(&E)");
inline constexpr Phrase kMenuTools = VQ_TEXT("工具(&T)");
inline constexpr Phrase kMenuOptions = VQ_TEXT("选项(&O)");
inline constexpr Phrase kMenuHelp = VQ_TEXT("帮助(&H)");
inline constexpr Phrase kMenuRecent = VQ_TEXT("最近使用的文件");
inline constexpr Phrase kRecentNone = VQ_TEXT("<<无>>");

// Action captions (also the words of log entries) and hints
inline constexpr Phrase kCapNew = VQ_TEXT("新建(&N)");
inline constexpr Phrase kCapOpen = VQ_TEXT("打开(&O) ...");
inline constexpr Phrase kCapOpenSamples = VQ_TEXT("打开示例 ...");
inline constexpr Phrase kCapReload = VQ_TEXT("重载本文件(&R) ...");
inline constexpr Phrase kCapNotepad = VQ_TEXT("用\"记事本\"打开(&T) ...");
inline constexpr Phrase kCapSave = VQ_TEXT("保存(&S)");
inline constexpr Phrase kCapSaveAs = VQ_TEXT("另存为(&A) ...");
inline constexpr Phrase kCapExit = VQ_TEXT("退出(&E)");
inline constexpr Phrase kCapInsertUp = VQ_TEXT("向上插入项(&U) ...");
inline constexpr Phrase kCapInsertDown = VQ_TEXT("向下插入项(&D) ...");
inline constexpr Phrase kCapEditLine = VQ_TEXT("编辑选定行(&E) ...");
inline constexpr Phrase kCapUnRem = VQ_TEXT("取消注释(&C)");
inline constexpr Phrase kCapRemLine = VQ_TEXT("注释选定行(&R)");
inline constexpr Phrase kCapRestoreLine = VQ_TEXT("恢复选定行(&L)");
inline constexpr Phrase kCapRestoreAll = VQ_TEXT("恢复所有行(&O) ...");
inline constexpr Phrase kCapDelLine = VQ_TEXT("删除选定行(&T)");
inline constexpr Phrase kCapFind = VQ_TEXT("查找(&F) ...");
inline constexpr Phrase kCapFindNext = VQ_TEXT("查找下一个(&N)");
inline constexpr Phrase kCapSaveAll = VQ_TEXT("提取所有(&A) ...");
inline constexpr Phrase kCapSaveSel = VQ_TEXT("提取钩选项(&S) ...");
inline constexpr Phrase kCapSaveTree = VQ_TEXT("提取目录树(&D) ...");
inline constexpr Phrase kCapRefreshTree = VQ_TEXT("刷新目录树(&R)");
inline constexpr Phrase kCapConfiguration = VQ_TEXT("配置(&C)...");
inline constexpr Phrase kCapHelpTopic = VQ_TEXT("帮助主题(&T)");
inline constexpr Phrase kCapReport = VQ_TEXT("使用报告(&P) ...");
inline constexpr Phrase kCapAbout = VQ_TEXT("关于(&A)");
inline constexpr Phrase kCapGotoLineByLog = VQ_TEXT("转到此行(双击)");
inline constexpr Phrase kCapCopyLogLine = VQ_TEXT("复制到剪贴板");
inline constexpr Phrase kCapRECopy = VQ_TEXT("复制(&C)");
inline constexpr Phrase kCapRESelAll = VQ_TEXT("全选(&A)");

inline constexpr Phrase kHintNew = VQ_TEXT("新建文件");
inline constexpr Phrase kHintOpen = VQ_TEXT("打开文件");
inline constexpr Phrase kHintReload = VQ_TEXT("重载本文件");
inline constexpr Phrase kHintNotepad = VQ_TEXT("用\"记事本\"打开");
inline constexpr Phrase kHintSave = VQ_TEXT("保存");
inline constexpr Phrase kHintSaveAs = VQ_TEXT("另存为");
inline constexpr Phrase kHintExit = VQ_TEXT("退出");
inline constexpr Phrase kHintInsertUp = VQ_TEXT("向上插入项");
inline constexpr Phrase kHintInsertDown = VQ_TEXT("向下插入项");
inline constexpr Phrase kHintEditLine = VQ_TEXT("编辑选定行");
inline constexpr Phrase kHintUnRem = VQ_TEXT("取消注释");
inline constexpr Phrase kHintRemLine = VQ_TEXT("注释选定行");
inline constexpr Phrase kHintRestoreLine = VQ_TEXT("恢复选定行(若为新建行则删除)");
inline constexpr Phrase kHintRestoreAll = VQ_TEXT("恢复到打开时的内容, 不包括删除的行!!");
inline constexpr Phrase kHintDelLine = VQ_TEXT("删除选定行（建议用注释代替）");
inline constexpr Phrase kHintFind = VQ_TEXT("查找选定字符串, 按 F3 键,查找下一个");
inline constexpr Phrase kHintFindNext = VQ_TEXT("查找下一个");
inline constexpr Phrase kHintSaveAll = VQ_TEXT("提取所有行");
inline constexpr Phrase kHintSaveSel = VQ_TEXT("提取列表钩选项所对应的行");
inline constexpr Phrase kHintSaveTree = VQ_TEXT("提取目录树每一项所对应的行");
inline constexpr Phrase kHintRefreshTree = VQ_TEXT("刷新目录树的内容以及列表项的Check值");
inline constexpr Phrase kHintConfiguration = VQ_TEXT("配置");
inline constexpr Phrase kHintHelpTopic = VQ_TEXT("帮助主题");
inline constexpr Phrase kHintAbout = VQ_TEXT("关于");

// About box: its caption, the labels' own captions (kept when the program has no version
// information), the links and the introduction
// The version information's comment, in the language of the run's first use
inline constexpr Phrase kVersionComments = VQ_TEXT("逐行编辑 INI 格式配置文件，显示文件的结构。");
inline constexpr Phrase kAboutCaption = VQ_TEXT("关于");
inline constexpr const char* kAboutVersion = "Version";
inline constexpr const char* kAboutCopyright = "Copyright";
inline constexpr const char* kAboutComments = "Comments";
inline constexpr const char* kAboutAuthor = "Author";
inline constexpr const char* kAboutCompany = "Company";
inline constexpr const char* kNotAvailable = " not available";
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

// Patterns and title types: captions and hints by number
inline constexpr Phrase kPatternCaptions[4] = {VQ_TEXT("模式[General]"), VQ_TEXT("模式[*.ini]"),
                                               VQ_TEXT("模式[php.ini]"), VQ_TEXT("模式[httpd.conf]")};
inline constexpr Phrase kTitleTypeCaptions[5] = {VQ_TEXT("无标题(默认)"), VQ_TEXT("一行标志(二者同行)"),
                                                 VQ_TEXT("两行标志(首行标志)"), VQ_TEXT("三行标志(头尾相同)"),
                                                 VQ_TEXT("三行标志(头尾不同)")};
inline constexpr Phrase kTitleTypeHints[5] = {
    VQ_TEXT("无标题"), VQ_TEXT("标志和标题在同一行上"), VQ_TEXT("标志在第一行，标题在第二行"),
    VQ_TEXT("标志头尾两行相同，中间一行为标题"), VQ_TEXT("头尾两行标志不同，中间一行为标题")};

// Open and save dialogs: (description, pattern) pairs, in order. "All Files" is "*": many
// configuration files have no dot in their name (hosts, sshd_config).
inline const std::vector<std::pair<std::string, std::string>> kOpenFilters = {
    {"Supported Files(*.ini;*.inf;*.conf;*.txt)", "*.ini;*.inf;*.conf;*.txt"},
    {"Ini File(*.ini)", "*.ini"},
    {"Inf File(*.inf)", "*.inf"},
    {"Apache Configuration File(*.conf)", "*.conf"},
    {"Text File(*.txt)", "*.txt"},
    {"All Files(*)", "*"}};
inline const std::vector<std::pair<std::string, std::string>> kSaveFilters = {
    {"Ini File(*.ini)", "*.ini"},
    {"Inf File(*.inf)", "*.inf"},
    {"Apache Configuration File(*.conf)", "*.conf"},
    {"Text File(*.txt)", "*.txt"},
    {"All Files(*)", "*"}};
inline constexpr const char* kSaveDefaultSuffix = "ini";

}  // namespace vq::texts

namespace vq {

struct MessageArg {
    MessageArg(std::string_view s) : text(s) {}
    MessageArg(const char* s) : text(s) {}
    MessageArg(const std::string& s) : text(s) {}
    MessageArg(const texts::Phrase& s) : text(s.c_str()) {}
    MessageArg(long long n) : text(std::to_string(n)), isNumber(true) {}
    MessageArg(int n) : MessageArg(static_cast<long long>(n)) {}
    MessageArg(unsigned n) : MessageArg(static_cast<long long>(n)) {}
    MessageArg(unsigned long n) : MessageArg(static_cast<long long>(n)) {}
    MessageArg(long n) : MessageArg(static_cast<long long>(n)) {}
    std::string text;
    bool isNumber = false;
};

// Replaces %S, %s and %d in order with the arguments; "%%" is a single percent sign.
std::string FormatMessage(std::string_view format, std::initializer_list<MessageArg> args);

}  // namespace vq
