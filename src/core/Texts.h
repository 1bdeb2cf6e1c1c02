// Every text the program shows: captions, hints and messages, in UTF-8.
// Messages are formatted with FormatMessage: %S and %s take a string, %d a number.
#pragma once

#include <cerrno>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vq::texts {

// Window and document
inline constexpr const char* kAppTitle = "Varnoquil";
inline constexpr const char* kCaptionPrefix = "Varnoquil-";
inline constexpr const char* kModifiedMark = " *";
inline constexpr const char* kUntitled = "Untitled";
inline constexpr const char* kOutOfMemory = "内存不足，即将关闭！";
inline constexpr const char* kFileMissing = "文件 \"%S\" 不存在！";

// Content list and target text
inline constexpr const char* kColumnAfter = "修改后";
inline constexpr const char* kColumnBefore = "修改前";
inline constexpr const char* kNewLineMark = "<<新建行>>";
inline constexpr const char* kPageTarget = "目标文本";
inline constexpr const char* kPageLog = "日志";
inline constexpr const char* kTextMirrorsList = "当前文本内容与列表相同";
inline constexpr const char* kTextFromAction = "当前文本内容为上次操作:%S";
inline constexpr const char* kLinePanel = "Line:%d";
inline constexpr const char* kCaretPanel = "Row:%d Col:%d";
inline constexpr const char* kRowGone = "所选择的行不存在！！！";

// Loading
inline constexpr const char* kLargeFileNotice = "该文件很大，打开可能要好几秒。";
inline constexpr const char* kWarningTitle = "警告";
inline constexpr const char* kHugeFileQuestion = "该文件太大，建议用记事本打开！";
inline constexpr const char* kOpening = "正在打开文件 ...";
inline constexpr const char* kOpenLogEntry = "打开文件:\"%s\"";
inline constexpr const char* kLoadingRows = "正在加载内容列表 ... %d行, 共%d行";
inline constexpr const char* kDone = "处理完毕！";
inline constexpr const char* kOpened = "打开成功！";
inline constexpr const char* kRowsFailed = "打开文件时，出现错误！可能是系统资源不足";
inline constexpr const char* kFileTooLarge = "该文件超过 4 GB，无法打开！";
inline constexpr const char* kProgramNotFound = "可执行文件\"%S\"未找到！";
// A file that cannot be opened at all, with its size and why; loads that are stopped
inline constexpr const char* kTooLargeToOpen = "文件 \"%S\" 太大（%S），无法打开！";
inline constexpr const char* kTooLargeForLines = "最多只能打开 4 GB 的文件。";
inline constexpr const char* kTooLargeForMemory = "打开它约需 %S 内存，现在只有 %S 可用。";
inline constexpr const char* kOutOfMemoryOnOpen = "打开时内存不足。";
inline constexpr const char* kByteUnit = "字节";
inline constexpr const char* kOpenCancelled = "已取消打开文件。";
inline constexpr const char* kCancelLoading = "取消";
inline constexpr const char* kCancelLoadingHint = "停止打开文件 (Esc)";

// Topic tree
inline constexpr const char* kBuildingTree = "正在处理目录树和内容列表 ... %d行, 共%d行";
inline constexpr const char* kTitleSettingsError = "Some error happened, about your title settings?";

// New, save, close
inline constexpr const char* kSaveQuestion = "文件已改变, 要保存吗?";
inline constexpr const char* kUnloading = "正在卸载数据 ...";
inline constexpr const char* kSaveFailed = "保存文件 \"%S\" 失败！";
inline constexpr const char* kSaveDialogTitle = "另存为";
inline constexpr const char* kConfirmTitle = "Confirm";
inline constexpr const char* kTextNotEncodable = "文本中有当前编码无法表示的字符，无法写入！";

// Extraction: the confirmations and the count of tree nodes whose row is gone
inline constexpr const char* kConfirmSaveSel = "确定要\"提取钩选项\"吗?";
inline constexpr const char* kConfirmSaveTree = "确定要\"提取目录树\"吗?";
inline constexpr const char* kConfirmSaveAll = "确定要\"提取所有项\"吗?";
inline constexpr const char* kInvalidTreeNodes = "目录树有 %d 项无效！";

// Find: the status text, the wrap-around question and the find dialog's own captions
inline constexpr const char* kFindNextHint = "按 F3 键,查找下一个";
inline constexpr const char* kFindFailedTitle = "查找失败";
inline constexpr const char* kFindFailed = "找不到 \"%S\" !\n是否要从头开始查找?";
inline constexpr const char* kFindDlgTitle = "查找";
inline constexpr const char* kFindWhat = "查找内容(&N):";
inline constexpr const char* kFindWholeWord = "全字匹配(&W)";
inline constexpr const char* kFindMatchCase = "区分大小写(&C)";
inline constexpr const char* kFindDirection = "方向";
inline constexpr const char* kFindUp = "向上(&U)";
inline constexpr const char* kFindDown = "向下(&D)";
inline constexpr const char* kFindNextButton = "查找下一个(&F)";
inline constexpr const char* kFindCancel = "取消";

// Target text commands and external programs: the samples folder, the help page, the report
// program
inline constexpr const char* kPathMissing = "路径 \"%S\" 不存在！";
inline constexpr const char* kSamplesShownPath = "./Samples";
inline constexpr const char* kHelpNotShown = "无法打开帮助页 \"%S\"，请检查是否安装了网页浏览器。";

// Command line (varnoquil --outline / --extract): errors on standard error, then the usage
// hint; the help text is made from kCliHelp with the pattern and title-type captions
inline constexpr const char* kCliUnknownOption = "未知的选项: %S";
inline constexpr const char* kCliMissingValue = "选项 %S 缺少参数。";
inline constexpr const char* kCliUnknownExtraction = "未知的提取方式: %S (可用 checked、tree、all)";
inline constexpr const char* kCliPatternRange = "模式必须是 0 到 3 之间的数: %S";
inline constexpr const char* kCliTitleTypeRange = "标题类型必须是 0 到 4 之间的数: %S";
inline constexpr const char* kCliSignTooLong = "选项 %S 的标志太长，最多 255 字节。";
inline constexpr const char* kCliBadSpaceCount = "选项 %S 的空格数无效: %S";
inline constexpr const char* kCliTwoCommands = "只能指定 --outline、--extract 或编辑操作中的一种。";
inline constexpr const char* kCliNoCommand = "请指定 --outline、--extract 或编辑操作 (--get、--set 等)。";
inline constexpr const char* kCliEditOnly = "--check、--diff 和 --json 只用于编辑操作。";
inline constexpr const char* kCliEditStdinNeedsCheck = "标准输入无法写回: 编辑标准输入时请加 --check (可与 --diff 同用)。";
inline constexpr const char* kCliNoFile = "没有指定文件。";
inline constexpr const char* kCliExtraArgument = "多余的参数: %S";
inline constexpr const char* kCliUsageHint = "用法见 \"varnoquil --help\"。";
inline constexpr const char* kCliUnknownEncoding =
    "未知的编码: %S (可用 GB18030、GBK、Big5、Shift_JIS、EUC-KR、windows-1252)";
inline constexpr const char* kCliWriteFailed = "写入标准输出失败！";
// A regular file as standard output that could not be put back as it was after a failed write.
inline constexpr const char* kCliOutputNotRestored = "标准输出的文件未能恢复原样，其中可能留有部分输出。";
inline constexpr const char* kReadStdinFailed = "读取标准输入失败！";
inline constexpr const char* kCliNoDisplay =
    "没有可用的显示 (DISPLAY、WAYLAND_DISPLAY 和 QT_QPA_PLATFORM 都未设置)，无法打开窗口。\n"
    "不用窗口时可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。";
inline constexpr const char* kCliNoWindow =
    "这个版本没有窗口。可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。";
inline constexpr const char* kCliVersion = "Varnoquil v%S";
inline constexpr const char* kCliHelp =
    "用法: varnoquil [--] [文件]                 打开窗口\n"
    "      varnoquil --outline [选项] 文件        输出目录树\n"
    "      varnoquil --extract 方式 [选项] 文件   输出提取之后保存的内容\n"
    "      varnoquil 编辑操作... [--check] [--diff] [--json] [选项] 文件\n"
    "      varnoquil -h|--help | -V|--version\n"
    "\n"
    "文件为 - 时读取标准输入; 管道、FIFO 和 /dev/stdin 都读到结尾。\n"
    "以 - 开头的文件名写在 -- 之后 (-- 之后的参数都是文件名)。\n"
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
    "读取的一方提前关闭管道时 (如 | head) 程序不再输出, 静默结束。\n";

// Headless edits (varnoquil --get/--set/--disable/--enable/--delete): what they refuse and report
inline constexpr const char* kEditRemSignUnusable = "编辑需要一个单字节、非空白的注释标志 (如 --rem \";\")。";
inline constexpr const char* kEditKeyEmpty = "项名不能为空。";
inline constexpr const char* kEditKeyBlankEnds = "项名 \"%S\" 的开头或结尾不能是空白。";
inline constexpr const char* kEditKeyHasSplit = "项名 \"%S\" 中不能含有分隔标志。";
inline constexpr const char* kEditKeyReadsOtherwise = "项名 \"%S\" 会被读成注释或节名。";
inline constexpr const char* kEditValueBlankEnds = "值 \"%S\" 的开头或结尾不能是空白。";
inline constexpr const char* kEditSectionBracket = "节名 \"%S\" 中不能含有 \"]\"。";
inline constexpr const char* kEditKeyNotFound = "节 \"%S\" 中没有有效的项 \"%S\"。";
inline constexpr const char* kEditNothingToEnable = "节 \"%S\" 中没有可以启用的项 \"%S\"。";
inline constexpr const char* kEditNotUtf8 = "参数 \"%S\" 不是有效的 UTF-8 文本。";

// A file changed on disk by someone else: the bar above the views and the question before Save
inline constexpr const char* kDiskChanged = "文件 \"%S\" 已被其他程序修改。";
inline constexpr const char* kDiskMissing = "文件 \"%S\" 已被删除或移走。保存会在原路径重新写入。";
inline constexpr const char* kDiskReload = "重新加载";
inline constexpr const char* kDiskReloadHint = "放弃这里显示的内容，读入磁盘上的文件";
inline constexpr const char* kDiskQuestionTitle = "文件已被修改";
inline constexpr const char* kDiskQuestion =
    "文件 \"%S\" 在读入之后已被其他程序修改。\n\n"
    "覆盖：用这里的内容写过它，其他程序的修改会丢失。\n"
    "重新加载：读入磁盘上的文件。\n"
    "另存为：把这里的内容保存为另一个文件。";
inline constexpr const char* kDiskOverwrite = "覆盖";
inline constexpr const char* kDiskSaveAs = "另存为";
inline constexpr const char* kDiskCancel = "取消";

// Opening and saving errors: the first line, then the reason on its own line
inline constexpr const char* kOpenFailed = "打开文件 \"%S\" 失败！";
inline constexpr const char* kNewContentKept = "原文件可能已不完整，新内容完整保存在 \"%S\"。";
inline constexpr const char* kReasonFolder = "这是一个文件夹。";
inline constexpr const char* kReasonNotRegular = "这不是一个普通文件。";
inline constexpr const char* kReasonChangedOnDisk = "文件在读入之后已被其他程序修改，没有写入。";
inline constexpr const char* kReasonLinkAdded = "\"%S\" 是读入文件之后才出现的符号链接，不经由它写入。";
inline constexpr const char* kReasonLinkChanged = "符号链接 \"%S\" 现在指向别处，与读入文件时不同，不经由它写入。";
inline constexpr const char* kReasonLinkUnsafe =
    "符号链接 \"%S\" 属于其他用户，又在人人可写的粘滞文件夹中，不经由它读写。";
// Reasons by errno; any other errno is worded by the system.
inline constexpr std::pair<int, const char*> kErrnoTexts[] = {
    {ENOENT, "文件或文件夹不存在。"},
    {ENOTDIR, "路径中有一部分不是文件夹。"},
    {EISDIR, "这是一个文件夹。"},
    {EACCES, "没有访问权限。"},
    {EPERM, "不允许这样操作。"},
    {EROFS, "文件系统是只读的。"},
    {ENOSPC, "磁盘空间不足。"},
    {EDQUOT, "超出了磁盘配额。"},
    {EFBIG, "文件太大。"},
    {ENAMETOOLONG, "文件名太长。"},
    {ELOOP, "符号链接的层数太多。"},
    {EIO, "读写设备时出错。"},
    {EBUSY, "文件或设备正忙。"},
    {ETXTBSY, "文件正被执行，不能写入。"},
    {EMFILE, "打开的文件太多。"},
    {ENFILE, "打开的文件太多。"},
    {ENOMEM, "内存不足。"},
    {EEXIST, "文件已存在。"},
    {EPIPE, "读取的一方已关闭。"},
};

// Operation log
inline constexpr const char* kOpStart = "<<操作开始>>";
inline constexpr const char* kOpEnd = "<<操作结束>>";
inline constexpr const char* kLogHoverEmpty = "双击转到指定行。";
inline constexpr const char* kLogRowMissing = "指定行不存在!!";

// Editing commands: the summaries and words of their log entries, and what they refuse
inline constexpr const char* kSelectionSummary = "<<选择 %d 行，%S %d 行>>";
inline constexpr const char* kRestoreAllSummary = "<<共恢复了 %d 行>>";
inline constexpr const char* kWordComment = "注释";
inline constexpr const char* kWordUncomment = "取消注释";
inline constexpr const char* kWordDelete = "删除";
inline constexpr const char* kWordRestore = "恢复";
inline constexpr const char* kRemovedNewRowMark = "<<删除>>";
// Undo and redo: the menu items without and with the step they take back or make again, the
// summaries of their log entries, and the steps of the user's own check-box clicks
inline constexpr const char* kCapUndo = "撤销";
inline constexpr const char* kCapRedo = "重做";
inline constexpr const char* kUndoStep = "撤销 %S";
inline constexpr const char* kRedoStep = "重做 %S";
inline constexpr const char* kHintUndo = "撤销上一步操作";
inline constexpr const char* kHintRedo = "重做撤销的操作";
inline constexpr const char* kUndoSummary = "<<共撤销了 %d 行>>";
inline constexpr const char* kRedoSummary = "<<共重做了 %d 行>>";
inline constexpr const char* kCapCheckRow = "钩选";
inline constexpr const char* kCapUncheckRow = "取消钩选";
inline constexpr const char* kRestoreAllQuestion = "确定要\"恢复所有行\"吗?";
inline constexpr const char* kLineBreakInRow = "一行文本中不能含有换行符，未作任何修改。";
// Typed text with a character the document's encoding cannot hold: the character and its number
inline constexpr const char* kCharNotEncodable = "本文件的编码无法保存字符 \"%S\" (U+%S)，未作任何修改。";

// Insert dialog (its buttons read as the configuration dialog's)
inline constexpr const char* kInsertCaption = "插入文本";
inline constexpr const char* kInsertPagePlain = "普通";
inline constexpr const char* kInsertPageTitle = "标题";
inline constexpr const char* kInsertTitleLabel = "标题:";
inline constexpr const char* kInsertAddRem = "注释标题";
inline constexpr const char* kInsertAllRem = "将每行强迫为注释";

// Analysis settings
inline constexpr const char* kTitleSignHint = "开始标志(当前字数:%d)";
inline constexpr const char* kLabelRem = "注释:";
inline constexpr const char* kLabelRemHint = "注释所对应的符号(只允许一个字符)";
inline constexpr const char* kLabelSplit = "分隔:";
inline constexpr const char* kLabelSplitHint = "判断哪一项(用于注释项)为有效的符号(只允许一个字符)";
inline constexpr const char* kOneCharHint = "只允许一个字符";
inline constexpr const char* kTitleSignButton = "标题标志";
inline constexpr const char* kTitleSignButtonHint = "设置标题标志";
inline constexpr const char* kSignBegin = "开始标志";
inline constexpr const char* kSignEnd = "结束标志";
inline constexpr const char* kTitleTypeButtonHint = "标题标志的类型";
inline constexpr const char* kPatternButtonHint = "选择模式";
inline constexpr const char* kOmitTitleSignSpace = "忽略标志头尾的空格";

// Settings file and recent files
inline constexpr const char* kSettingsWriteFailed = "保存设置文件 \"%S\" 失败！";

// Configuration dialog
inline constexpr const char* kOptionCaption = "配置";
inline constexpr const char* kOptionGeneral = "常规";
inline constexpr const char* kOptionRecentCount = "最近使用的文件菜单个数:";
inline constexpr const char* kOptionClearRecent = "[ 清除 ]";
inline constexpr const char* kOptionDeleteSigns = "删除自定义标志";
inline constexpr const char* kOptionRemSign = "注释标志:";
inline constexpr const char* kOptionSplitSign = "分隔标志:";
inline constexpr const char* kOptionTitleSign = "标题标志:";
inline constexpr const char* kOptionDelete = "[ 删除 ]";
inline constexpr const char* kOptionDefaultPattern = "默认模式";
inline constexpr const char* kOptionPatterns[4] = {"[General]", "[*.ini]", "[php.ini]", "[httpd.conf]"};
inline constexpr const char* kOptionAutoExpand = "自动展开目录树";
inline constexpr const char* kOptionSetFont = "[ 设置字体... ]";
inline constexpr const char* kOptionFontName = "字体:";
inline constexpr const char* kOptionFontSize = "字号:";
inline constexpr const char* kOptionOk = "确定(&O)";
inline constexpr const char* kOptionCancel = "取消(&C)";

// Focus texts of the three views
inline constexpr const char* kFocusTree = "目录树; 单击, 列表定位到相应项; 若列表项改变点刷新";
inline constexpr const char* kFocusList = "列表项; 双击, 编辑项目, 文本定位到相应行";
inline constexpr const char* kFocusText = "文本查看; 只读; 为最终保存的文本";

// What a screen reader reads: names of the controls that show no caption of their own, and the
// spoken form of a log entry's number
inline constexpr const char* kNameTree = "目录树";
inline constexpr const char* kNameList = "内容列表";
inline constexpr const char* kNameStatusBar = "状态栏";
inline constexpr const char* kNameToolBar = "工具栏";
inline constexpr const char* kNameLinePanel = "行号";
inline constexpr const char* kNameCaretPanel = "光标位置";
inline constexpr const char* kNameMessagePanel = "消息";
inline constexpr const char* kNameDeleteSign = "删除%S";
inline constexpr const char* kSpokenLogRow = "第%d行 ";

// Menus
inline constexpr const char* kMenuFile = "文件(&F)";
inline constexpr const char* kMenuFileHint = "新建一个 ini 文件";
inline constexpr const char* kMenuEdit = "编辑(&E)";
inline constexpr const char* kMenuTools = "工具(&T)";
inline constexpr const char* kMenuOptions = "选项(&O)";
inline constexpr const char* kMenuHelp = "帮助(&H)";
inline constexpr const char* kMenuRecent = "最近使用的文件";
inline constexpr const char* kRecentNone = "<<无>>";

// Action captions (also the words of log entries) and hints
inline constexpr const char* kCapNew = "新建(&N)";
inline constexpr const char* kCapOpen = "打开(&O) ...";
inline constexpr const char* kCapOpenSamples = "打开示例 ...";
inline constexpr const char* kCapReload = "重载本文件(&R) ...";
inline constexpr const char* kCapNotepad = "用\"记事本\"打开(&T) ...";
inline constexpr const char* kCapSave = "保存(&S)";
inline constexpr const char* kCapSaveAs = "另存为(&A) ...";
inline constexpr const char* kCapExit = "退出(&E)";
inline constexpr const char* kCapInsertUp = "向上插入项(&U) ...";
inline constexpr const char* kCapInsertDown = "向下插入项(&D) ...";
inline constexpr const char* kCapEditLine = "编辑选定行(&E) ...";
inline constexpr const char* kCapUnRem = "取消注释(&C)";
inline constexpr const char* kCapRemLine = "注释选定行(&R)";
inline constexpr const char* kCapRestoreLine = "恢复选定行(&L)";
inline constexpr const char* kCapRestoreAll = "恢复所有行(&O) ...";
inline constexpr const char* kCapDelLine = "删除选定行(&T)";
inline constexpr const char* kCapFind = "查找(&F) ...";
inline constexpr const char* kCapFindNext = "查找下一个(&N)";
inline constexpr const char* kCapSaveAll = "提取所有(&A) ...";
inline constexpr const char* kCapSaveSel = "提取钩选项(&S) ...";
inline constexpr const char* kCapSaveTree = "提取目录树(&D) ...";
inline constexpr const char* kCapRefreshTree = "刷新目录树(&R)";
inline constexpr const char* kCapConfiguration = "配置(&C)...";
inline constexpr const char* kCapHelpTopic = "帮助主题(&T)";
inline constexpr const char* kCapReport = "使用报告(&P) ...";
inline constexpr const char* kCapAbout = "关于(&A)";
inline constexpr const char* kCapGotoLineByLog = "转到此行(双击)";
inline constexpr const char* kCapCopyLogLine = "复制到剪贴板";
inline constexpr const char* kCapRECopy = "复制(&C)";
inline constexpr const char* kCapRESelAll = "全选(&A)";

inline constexpr const char* kHintNew = "新建文件";
inline constexpr const char* kHintOpen = "打开文件";
inline constexpr const char* kHintReload = "重载本文件";
inline constexpr const char* kHintNotepad = "用\"记事本\"打开";
inline constexpr const char* kHintSave = "保存";
inline constexpr const char* kHintSaveAs = "另存为";
inline constexpr const char* kHintExit = "退出";
inline constexpr const char* kHintInsertUp = "向上插入项";
inline constexpr const char* kHintInsertDown = "向下插入项";
inline constexpr const char* kHintEditLine = "编辑选定行";
inline constexpr const char* kHintUnRem = "取消注释";
inline constexpr const char* kHintRemLine = "注释选定行";
inline constexpr const char* kHintRestoreLine = "恢复选定行(若为新建行则删除)";
inline constexpr const char* kHintRestoreAll = "恢复到打开时的内容, 不包括删除的行!!";
inline constexpr const char* kHintDelLine = "删除选定行（建议用注释代替）";
inline constexpr const char* kHintFind = "查找选定字符串, 按 F3 键,查找下一个";
inline constexpr const char* kHintFindNext = "查找下一个";
inline constexpr const char* kHintSaveAll = "提取所有行";
inline constexpr const char* kHintSaveSel = "提取列表钩选项所对应的行";
inline constexpr const char* kHintSaveTree = "提取目录树每一项所对应的行";
inline constexpr const char* kHintRefreshTree = "刷新目录树的内容以及列表项的Check值";
inline constexpr const char* kHintConfiguration = "配置";
inline constexpr const char* kHintHelpTopic = "帮助主题";
inline constexpr const char* kHintAbout = "关于";

// About box: its caption, the labels' own captions (kept when the program has no version
// information), the links and the introduction
inline constexpr const char* kAboutCaption = "关于";
inline constexpr const char* kAboutVersion = "Version";
inline constexpr const char* kAboutCopyright = "Copyright";
inline constexpr const char* kAboutComments = "Comments";
inline constexpr const char* kAboutAuthor = "Author";
inline constexpr const char* kAboutCompany = "Company";
inline constexpr const char* kNotAvailable = " not available";
inline constexpr const char* kVersionPrefix = "v";
inline constexpr const char* kReleaseDatePrefix = "发布日期：";
inline constexpr const char* kReadmeFile = "Readme.txt";
inline constexpr const char* kReadmeTip = "查看\"Readme.txt\"";
inline constexpr const char* kHomePageLink = "HomePage";
inline constexpr const char* kEMailLink = "E-Mail";
inline constexpr const char* kGameLabel = "QOR";
inline constexpr const char* kPlayfieldName = "打砖块游戏";
inline constexpr const char* kPlayfieldDescription =
    "黑色的信息窗口也是一个打砖块游戏：右键单击信息面板使其离开；只剩黑色区域时，按住 Shift 右键单击发一个球，"
    "按住 Ctrl+Alt 右键单击发十个球；上、下方向键移动球拍，左键单击结束游戏。";
inline constexpr const char* kAboutIntro =
    "  Varnoquil 是一个用于编辑ini格式的文件编辑器，她能够分析ini格式文件的内部结构，将文件里的各种信息归类、"
    "分组，显示出它的目录结构，从而可以方便的定位、查找您想要的信息。此外，她不仅可用于ini文件，而且支持任何结构与"
    "ini文件类似的文本文件。";

// Patterns and title types: captions and hints by number
inline constexpr const char* kPatternCaptions[4] = {"模式[General]", "模式[*.ini]", "模式[php.ini]",
                                                    "模式[httpd.conf]"};
inline constexpr const char* kTitleTypeCaptions[5] = {"无标题(默认)", "一行标志(二者同行)", "两行标志(首行标志)",
                                                      "三行标志(头尾相同)", "三行标志(头尾不同)"};
inline constexpr const char* kTitleTypeHints[5] = {"无标题", "标志和标题在同一行上", "标志在第一行，标题在第二行",
                                                   "标志头尾两行相同，中间一行为标题",
                                                   "头尾两行标志不同，中间一行为标题"};

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
