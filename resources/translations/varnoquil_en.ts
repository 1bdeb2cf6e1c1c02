<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>vq::texts</name>
    <message>
        <source>文件 &quot;%S&quot; 不存在！</source>
        <translation>File &quot;%S&quot; does not exist!</translation>
    </message>
    <message>
        <source>修改后</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>修改前</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>&lt;&lt;新建行&gt;&gt;</source>
        <translation>&lt;&lt;new line&gt;&gt;</translation>
    </message>
    <message>
        <source>目标文本</source>
        <translation>Target Text</translation>
    </message>
    <message>
        <source>日志</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>当前文本内容与列表相同</source>
        <translation>The text is the same as the list</translation>
    </message>
    <message>
        <source>当前文本内容为上次操作:%S</source>
        <translation>The text holds the result of the last command: %S</translation>
    </message>
    <message>
        <source>所选择的行不存在！！！</source>
        <translation>The selected line no longer exists!</translation>
    </message>
    <message>
        <source>该文件很大，打开可能要好几秒。</source>
        <translation>This file is large; opening it may take several seconds.</translation>
    </message>
    <message>
        <source>警告</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>该文件太大，建议用记事本打开！</source>
        <translation>This file is very large; opening it in a text editor is recommended!</translation>
    </message>
    <message>
        <source>正在打开文件 ...</source>
        <translation>Opening the file ...</translation>
    </message>
    <message>
        <source>打开文件:&quot;%s&quot;</source>
        <translation>Open file:&quot;%s&quot;</translation>
    </message>
    <message>
        <source>正在加载内容列表 ... %d行, 共%d行</source>
        <translation>Loading the content list ... line %d of %d</translation>
    </message>
    <message>
        <source>处理完毕！</source>
        <translation>Done!</translation>
    </message>
    <message>
        <source>打开成功！</source>
        <translation>Opened!</translation>
    </message>
    <message>
        <source>打开文件时，出现错误！可能是系统资源不足</source>
        <translation>An error occurred while opening the file! The system may be low on resources</translation>
    </message>
    <message>
        <source>该文件超过 4 GB，无法打开！</source>
        <translation>This file is larger than 4 GB and cannot be opened!</translation>
    </message>
    <message>
        <source>可执行文件&quot;%S&quot;未找到！</source>
        <translation>Program &quot;%S&quot; not found!</translation>
    </message>
    <message>
        <source>文件 &quot;%S&quot; 太大（%S），无法打开！</source>
        <translation>File &quot;%S&quot; is too large (%S) to open!</translation>
    </message>
    <message>
        <source>最多只能打开 4 GB 的文件。</source>
        <translation>Files of at most 4 GB can be opened.</translation>
    </message>
    <message>
        <source>打开它约需 %S 内存，现在只有 %S 可用。</source>
        <translation>Opening it needs about %S of memory; only %S is available now.</translation>
    </message>
    <message>
        <source>打开时内存不足。</source>
        <translation>Out of memory while opening.</translation>
    </message>
    <message>
        <source>字节</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>已取消打开文件。</source>
        <translation>Opening the file was cancelled.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>停止打开文件 (Esc)</source>
        <translation>Stop opening the file (Esc)</translation>
    </message>
    <message>
        <source>正在处理目录树和内容列表 ... %d行, 共%d行</source>
        <translation>Building the tree and the content list ... line %d of %d</translation>
    </message>
    <message>
        <source>文件已改变, 要保存吗?</source>
        <translation>The file has changed. Save it?</translation>
    </message>
    <message>
        <source>正在卸载数据 ...</source>
        <translation>Unloading ...</translation>
    </message>
    <message>
        <source>保存文件 &quot;%S&quot; 失败！</source>
        <translation>Saving file &quot;%S&quot; failed!</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>文本中有当前编码无法表示的字符，无法写入！</source>
        <translation>The text holds characters the current encoding cannot represent; it cannot be written!</translation>
    </message>
    <message>
        <source>确定要&quot;提取钩选项&quot;吗?</source>
        <translation>Really &quot;Extract Checked&quot;?</translation>
    </message>
    <message>
        <source>确定要&quot;提取目录树&quot;吗?</source>
        <translation>Really &quot;Extract Tree&quot;?</translation>
    </message>
    <message>
        <source>确定要&quot;提取所有项&quot;吗?</source>
        <translation>Really &quot;Extract All&quot;?</translation>
    </message>
    <message>
        <source>目录树有 %d 项无效！</source>
        <translation>The tree has %d invalid items!</translation>
    </message>
    <message>
        <source>按 F3 键,查找下一个</source>
        <translation>Press F3 to find the next one</translation>
    </message>
    <message>
        <source>查找失败</source>
        <translation>Find Failed</translation>
    </message>
    <message>
        <source>找不到 &quot;%S&quot; !
是否要从头开始查找?</source>
        <translation>Cannot find &quot;%S&quot;!
Search again from the beginning?</translation>
    </message>
    <message>
        <source>查找</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>查找内容(&amp;N):</source>
        <translation>Fi&amp;nd what:</translation>
    </message>
    <message>
        <source>全字匹配(&amp;W)</source>
        <translation>Match &amp;whole word only</translation>
    </message>
    <message>
        <source>区分大小写(&amp;C)</source>
        <translation>Match &amp;case</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>向上(&amp;U)</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>向下(&amp;D)</source>
        <translation>&amp;Down</translation>
    </message>
    <message>
        <source>查找下一个(&amp;F)</source>
        <translation>&amp;Find Next</translation>
    </message>
    <message>
        <source>路径 &quot;%S&quot; 不存在！</source>
        <translation>Path &quot;%S&quot; does not exist!</translation>
    </message>
    <message>
        <source>无法打开帮助页 &quot;%S&quot;，请检查是否安装了网页浏览器。</source>
        <translation>Cannot open the help page &quot;%S&quot;; please check that a web browser is installed.</translation>
    </message>
    <message>
        <source>未知的选项: %S</source>
        <translation>Unknown option: %S</translation>
    </message>
    <message>
        <source>选项 %S 缺少参数。</source>
        <translation>Option %S needs a value.</translation>
    </message>
    <message>
        <source>未知的提取方式: %S (可用 checked、tree、all)</source>
        <translation>Unknown extraction: %S (use checked, tree or all)</translation>
    </message>
    <message>
        <source>模式必须是 0 到 3 之间的数: %S</source>
        <translation>The pattern must be a number from 0 to 3: %S</translation>
    </message>
    <message>
        <source>标题类型必须是 0 到 4 之间的数: %S</source>
        <translation>The title type must be a number from 0 to 4: %S</translation>
    </message>
    <message>
        <source>选项 %S 的标志太长，最多 255 字节。</source>
        <translation>The sign of option %S is too long; at most 255 bytes.</translation>
    </message>
    <message>
        <source>选项 %S 的空格数无效: %S</source>
        <translation>Invalid space count for option %S: %S</translation>
    </message>
    <message>
        <source>没有指定文件。</source>
        <translation>No file given.</translation>
    </message>
    <message>
        <source>多余的参数: %S</source>
        <translation>Extra argument: %S</translation>
    </message>
    <message>
        <source>用法见 &quot;varnoquil --help&quot;。</source>
        <translation>See &quot;varnoquil --help&quot; for usage.</translation>
    </message>
    <message>
        <source>写入标准输出失败！</source>
        <translation>Writing to standard output failed!</translation>
    </message>
    <message>
        <source>打开文件 &quot;%S&quot; 失败！</source>
        <translation>Opening file &quot;%S&quot; failed!</translation>
    </message>
    <message>
        <source>原文件可能已不完整，新内容完整保存在 &quot;%S&quot;。</source>
        <translation>The file may now be incomplete; the whole new content is kept in &quot;%S&quot;.</translation>
    </message>
    <message>
        <source>这是一个文件夹。</source>
        <translation>This is a folder.</translation>
    </message>
    <message>
        <source>这不是一个普通文件。</source>
        <translation>This is not a regular file.</translation>
    </message>
    <message>
        <source>文件或文件夹不存在。</source>
        <translation>No such file or folder.</translation>
    </message>
    <message>
        <source>路径中有一部分不是文件夹。</source>
        <translation>A part of the path is not a folder.</translation>
    </message>
    <message>
        <source>没有访问权限。</source>
        <translation>Permission denied.</translation>
    </message>
    <message>
        <source>不允许这样操作。</source>
        <translation>Operation not permitted.</translation>
    </message>
    <message>
        <source>文件系统是只读的。</source>
        <translation>The file system is read-only.</translation>
    </message>
    <message>
        <source>磁盘空间不足。</source>
        <translation>Not enough disk space.</translation>
    </message>
    <message>
        <source>超出了磁盘配额。</source>
        <translation>Disk quota exceeded.</translation>
    </message>
    <message>
        <source>文件太大。</source>
        <translation>File too large.</translation>
    </message>
    <message>
        <source>文件名太长。</source>
        <translation>File name too long.</translation>
    </message>
    <message>
        <source>符号链接的层数太多。</source>
        <translation>Too many levels of symbolic links.</translation>
    </message>
    <message>
        <source>读写设备时出错。</source>
        <translation>Input/output error.</translation>
    </message>
    <message>
        <source>文件或设备正忙。</source>
        <translation>The file or device is busy.</translation>
    </message>
    <message>
        <source>文件正被执行，不能写入。</source>
        <translation>The file is being executed and cannot be written.</translation>
    </message>
    <message>
        <source>打开的文件太多。</source>
        <translation>Too many open files.</translation>
    </message>
    <message>
        <source>内存不足。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>文件已存在。</source>
        <translation>The file already exists.</translation>
    </message>
    <message>
        <source>读取的一方已关闭。</source>
        <translation>The reading end has been closed.</translation>
    </message>
    <message>
        <source>&lt;&lt;操作开始&gt;&gt;</source>
        <translation>&lt;&lt;command start&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;操作结束&gt;&gt;</source>
        <translation>&lt;&lt;command end&gt;&gt;</translation>
    </message>
    <message>
        <source>双击转到指定行。</source>
        <translation>Double-click to go to the line.</translation>
    </message>
    <message>
        <source>指定行不存在!!</source>
        <translation>The line no longer exists!!</translation>
    </message>
    <message>
        <source>&lt;&lt;选择 %d 行，%S %d 行&gt;&gt;</source>
        <translation>&lt;&lt;%d lines selected; %S: %d lines&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;共恢复了 %d 行&gt;&gt;</source>
        <translation>&lt;&lt;%d lines restored in all&gt;&gt;</translation>
    </message>
    <message>
        <source>注释</source>
        <translation>Comment out</translation>
    </message>
    <message>
        <source>取消注释</source>
        <translation>Uncomment</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>&lt;&lt;删除&gt;&gt;</source>
        <translation>&lt;&lt;deleted&gt;&gt;</translation>
    </message>
    <message>
        <source>确定要&quot;恢复所有行&quot;吗?</source>
        <translation>Really &quot;Restore All Lines&quot;?</translation>
    </message>
    <message>
        <source>一行文本中不能含有换行符，未作任何修改。</source>
        <translation>A line cannot contain a line break; nothing was changed.</translation>
    </message>
    <message>
        <source>本文件的编码无法保存字符 &quot;%S&quot; (U+%S)，未作任何修改。</source>
        <translation>The encoding of this file cannot hold the character &quot;%S&quot; (U+%S); nothing was changed.</translation>
    </message>
    <message>
        <source>插入文本</source>
        <translation>Insert Text</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Plain</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>标题:</source>
        <translation>Title:</translation>
    </message>
    <message>
        <source>注释标题</source>
        <translation>Comment the title</translation>
    </message>
    <message>
        <source>将每行强迫为注释</source>
        <translation>Make every line a comment</translation>
    </message>
    <message>
        <source>开始标志(当前字数:%d)</source>
        <translation>Begin sign (length now: %d)</translation>
    </message>
    <message>
        <source>注释:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>注释所对应的符号(只允许一个字符)</source>
        <translation>The sign that starts a comment (one character only)</translation>
    </message>
    <message>
        <source>分隔:</source>
        <translation>Split:</translation>
    </message>
    <message>
        <source>判断哪一项(用于注释项)为有效的符号(只允许一个字符)</source>
        <translation>The sign that tells a key line (and a commented-out key) (one character only)</translation>
    </message>
    <message>
        <source>只允许一个字符</source>
        <translation>One character only</translation>
    </message>
    <message>
        <source>标题标志</source>
        <translation>Title Sign</translation>
    </message>
    <message>
        <source>设置标题标志</source>
        <translation>Set the title sign</translation>
    </message>
    <message>
        <source>开始标志</source>
        <translation>Begin Sign</translation>
    </message>
    <message>
        <source>结束标志</source>
        <translation>End Sign</translation>
    </message>
    <message>
        <source>标题标志的类型</source>
        <translation>Type of the title sign</translation>
    </message>
    <message>
        <source>选择模式</source>
        <translation>Choose a pattern</translation>
    </message>
    <message>
        <source>忽略标志头尾的空格</source>
        <translation>Ignore spaces around the sign</translation>
    </message>
    <message>
        <source>配置</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>常规</source>
        <translation>General</translation>
    </message>
    <message>
        <source>最近使用的文件菜单个数:</source>
        <translation>Recent files in the menu:</translation>
    </message>
    <message>
        <source>[ 清除 ]</source>
        <translation>[ Clear ]</translation>
    </message>
    <message>
        <source>删除自定义标志</source>
        <translation>Delete custom signs</translation>
    </message>
    <message>
        <source>注释标志:</source>
        <translation>Comment sign:</translation>
    </message>
    <message>
        <source>分隔标志:</source>
        <translation>Split sign:</translation>
    </message>
    <message>
        <source>标题标志:</source>
        <translation>Title sign:</translation>
    </message>
    <message>
        <source>[ 删除 ]</source>
        <translation>[ Delete ]</translation>
    </message>
    <message>
        <source>默认模式</source>
        <translation>Default pattern</translation>
    </message>
    <message>
        <source>自动展开目录树</source>
        <translation>Expand the tree automatically</translation>
    </message>
    <message>
        <source>[ 设置字体... ]</source>
        <translation>[ Set Font... ]</translation>
    </message>
    <message>
        <source>字体:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>字号:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>确定(&amp;O)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>取消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>目录树; 单击, 列表定位到相应项; 若列表项改变点刷新</source>
        <translation>Tree; click to show the item in the list; refresh after the list changes</translation>
    </message>
    <message>
        <source>列表项; 双击, 编辑项目, 文本定位到相应行</source>
        <translation>List; double-click to edit the line; the text follows to the same line</translation>
    </message>
    <message>
        <source>文本查看; 只读; 为最终保存的文本</source>
        <translation>Text view; read-only; the text that Save writes</translation>
    </message>
    <message>
        <source>目录树</source>
        <translation>Tree</translation>
    </message>
    <message>
        <source>内容列表</source>
        <translation>Content list</translation>
    </message>
    <message>
        <source>状态栏</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>行号</source>
        <translation>Line number</translation>
    </message>
    <message>
        <source>光标位置</source>
        <translation>Cursor position</translation>
    </message>
    <message>
        <source>消息</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>删除%S</source>
        <translation>Delete %S</translation>
    </message>
    <message>
        <source>第%d行 </source>
        <translation>Line %d </translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建一个 ini 文件</source>
        <translation>New ini file</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>选项(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>最近使用的文件</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>&lt;&lt;无&gt;&gt;</source>
        <translation>&lt;&lt;none&gt;&gt;</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O) ...</source>
        <translation>&amp;Open ...</translation>
    </message>
    <message>
        <source>打开示例 ...</source>
        <translation>Open Samples ...</translation>
    </message>
    <message>
        <source>重载本文件(&amp;R) ...</source>
        <translation>&amp;Reload This File ...</translation>
    </message>
    <message>
        <source>用&quot;记事本&quot;打开(&amp;T) ...</source>
        <translation>Open in &amp;Text Editor ...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A) ...</source>
        <translation>Save &amp;As ...</translation>
    </message>
    <message>
        <source>退出(&amp;E)</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>向上插入项(&amp;U) ...</source>
        <translation>Insert Line &amp;Above ...</translation>
    </message>
    <message>
        <source>向下插入项(&amp;D) ...</source>
        <translation>Insert Line &amp;Below ...</translation>
    </message>
    <message>
        <source>编辑选定行(&amp;E) ...</source>
        <translation>&amp;Edit Lines ...</translation>
    </message>
    <message>
        <source>取消注释(&amp;C)</source>
        <translation>&amp;Uncomment</translation>
    </message>
    <message>
        <source>注释选定行(&amp;R)</source>
        <translation>&amp;Comment Out</translation>
    </message>
    <message>
        <source>恢复选定行(&amp;L)</source>
        <translation>&amp;Restore Lines</translation>
    </message>
    <message>
        <source>恢复所有行(&amp;O) ...</source>
        <translation>Rest&amp;ore All Lines ...</translation>
    </message>
    <message>
        <source>删除选定行(&amp;T)</source>
        <translation>&amp;Delete Lines</translation>
    </message>
    <message>
        <source>查找(&amp;F) ...</source>
        <translation>&amp;Find ...</translation>
    </message>
    <message>
        <source>查找下一个(&amp;N)</source>
        <translation>Find &amp;Next</translation>
    </message>
    <message>
        <source>提取所有(&amp;A) ...</source>
        <translation>Extract &amp;All ...</translation>
    </message>
    <message>
        <source>提取钩选项(&amp;S) ...</source>
        <translation>Extract &amp;Checked ...</translation>
    </message>
    <message>
        <source>提取目录树(&amp;D) ...</source>
        <translation>Extract &amp;Tree ...</translation>
    </message>
    <message>
        <source>刷新目录树(&amp;R)</source>
        <translation>&amp;Refresh Tree</translation>
    </message>
    <message>
        <source>配置(&amp;C)...</source>
        <translation>&amp;Configuration...</translation>
    </message>
    <message>
        <source>帮助主题(&amp;T)</source>
        <translation>Help &amp;Topics</translation>
    </message>
    <message>
        <source>使用报告(&amp;P) ...</source>
        <translation>Usage Re&amp;port ...</translation>
    </message>
    <message>
        <source>关于(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>转到此行(双击)</source>
        <translation>Go to This Line (Double-Click)</translation>
    </message>
    <message>
        <source>复制到剪贴板</source>
        <translation>Copy to Clipboard</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>全选(&amp;A)</source>
        <translation>Select &amp;All</translation>
    </message>
    <message>
        <source>新建文件</source>
        <translation>New file</translation>
    </message>
    <message>
        <source>打开文件</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>重载本文件</source>
        <translation>Reload this file</translation>
    </message>
    <message>
        <source>用&quot;记事本&quot;打开</source>
        <translation>Open in a text editor</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>向上插入项</source>
        <translation>Insert lines above</translation>
    </message>
    <message>
        <source>向下插入项</source>
        <translation>Insert lines below</translation>
    </message>
    <message>
        <source>编辑选定行</source>
        <translation>Edit the selected lines</translation>
    </message>
    <message>
        <source>注释选定行</source>
        <translation>Comment out the selected lines</translation>
    </message>
    <message>
        <source>恢复选定行(若为新建行则删除)</source>
        <translation>Restore the selected lines (new lines are removed)</translation>
    </message>
    <message>
        <source>恢复到打开时的内容, 不包括删除的行!!</source>
        <translation>Restore every line as it was opened, except deleted lines!!</translation>
    </message>
    <message>
        <source>删除选定行（建议用注释代替）</source>
        <translation>Delete the selected lines (commenting them out is better)</translation>
    </message>
    <message>
        <source>查找选定字符串, 按 F3 键,查找下一个</source>
        <translation>Find a text; press F3 to find the next one</translation>
    </message>
    <message>
        <source>查找下一个</source>
        <translation>Find the next one</translation>
    </message>
    <message>
        <source>提取所有行</source>
        <translation>Extract all lines</translation>
    </message>
    <message>
        <source>提取列表钩选项所对应的行</source>
        <translation>Extract the lines of the checked rows</translation>
    </message>
    <message>
        <source>提取目录树每一项所对应的行</source>
        <translation>Extract the line of each tree item</translation>
    </message>
    <message>
        <source>刷新目录树的内容以及列表项的Check值</source>
        <translation>Refresh the tree and the check marks of the list</translation>
    </message>
    <message>
        <source>帮助主题</source>
        <translation>Help topics</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>发布日期：</source>
        <translation>Released: </translation>
    </message>
    <message>
        <source>查看&quot;Readme.txt&quot;</source>
        <translation>View &quot;Readme.txt&quot;</translation>
    </message>
    <message>
        <source>打砖块游戏</source>
        <translation>Brick game</translation>
    </message>
    <message>
        <source>黑色的信息窗口也是一个打砖块游戏：右键单击信息面板使其离开；只剩黑色区域时，按住 Shift 右键单击发一个球，按住 Ctrl+Alt 右键单击发十个球；上、下方向键移动球拍，左键单击结束游戏。</source>
        <translation>The black information window is also a brick game: right-click the information panel to move it away; when only the black area is left, Shift+right-click serves one ball and Ctrl+Alt+right-click ten balls; the Up and Down keys move the paddle, and a left click ends the game.</translation>
    </message>
    <message>
        <source>  Varnoquil 是一个用于编辑ini格式的文件编辑器，她能够分析ini格式文件的内部结构，将文件里的各种信息归类、分组，显示出它的目录结构，从而可以方便的定位、查找您想要的信息。此外，她不仅可用于ini文件，而且支持任何结构与ini文件类似的文本文件。</source>
        <translation>  Varnoquil is an editor for ini files. It analyses the structure of an ini file, sorts and groups what the file holds and shows it as a tree, so that you find and reach what you look for with ease. Besides ini files, it handles any text file built like one.</translation>
    </message>
    <message>
        <source>模式[General]</source>
        <translation>Pattern [General]</translation>
    </message>
    <message>
        <source>模式[*.ini]</source>
        <translation>Pattern [*.ini]</translation>
    </message>
    <message>
        <source>模式[php.ini]</source>
        <translation>Pattern [php.ini]</translation>
    </message>
    <message>
        <source>模式[httpd.conf]</source>
        <translation>Pattern [httpd.conf]</translation>
    </message>
    <message>
        <source>无标题(默认)</source>
        <translation>No titles (default)</translation>
    </message>
    <message>
        <source>一行标志(二者同行)</source>
        <translation>One line (sign and title together)</translation>
    </message>
    <message>
        <source>两行标志(首行标志)</source>
        <translation>Two lines (sign first)</translation>
    </message>
    <message>
        <source>三行标志(头尾相同)</source>
        <translation>Three lines (same begin and end)</translation>
    </message>
    <message>
        <source>三行标志(头尾不同)</source>
        <translation>Three lines (different begin and end)</translation>
    </message>
    <message>
        <source>无标题</source>
        <translation>No titles</translation>
    </message>
    <message>
        <source>标志和标题在同一行上</source>
        <translation>The sign and the title on one line</translation>
    </message>
    <message>
        <source>标志在第一行，标题在第二行</source>
        <translation>The sign on the first line, the title on the second</translation>
    </message>
    <message>
        <source>标志头尾两行相同，中间一行为标题</source>
        <translation>The same sign on the lines before and after the title</translation>
    </message>
    <message>
        <source>头尾两行标志不同，中间一行为标题</source>
        <translation>Different signs on the lines before and after the title</translation>
    </message>
    <message>
        <source>文件 &quot;%S&quot; 已被其他程序修改。</source>
        <translation>File &quot;%S&quot; was changed by another program.</translation>
    </message>
    <message>
        <source>文件 &quot;%S&quot; 已被删除或移走。保存会在原路径重新写入。</source>
        <translation>File &quot;%S&quot; was deleted or moved away. Save writes it again at its old path.</translation>
    </message>
    <message>
        <source>重新加载</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>放弃这里显示的内容，读入磁盘上的文件</source>
        <translation>Drop what is shown here and read the file on disk</translation>
    </message>
    <message>
        <source>文件已被修改</source>
        <translation>File Changed</translation>
    </message>
    <message>
        <source>文件 &quot;%S&quot; 在读入之后已被其他程序修改。

覆盖：用这里的内容写过它，其他程序的修改会丢失。
重新加载：读入磁盘上的文件。
另存为：把这里的内容保存为另一个文件。</source>
        <translation>File &quot;%S&quot; was changed by another program after it was read.

Overwrite: write what is here over it; the other program&apos;s changes are lost.
Reload: read the file on disk.
Save As: save what is here as another file.</translation>
    </message>
    <message>
        <source>覆盖</source>
        <translation>Overwrite</translation>
    </message>
    <message>
        <source>文件在读入之后已被其他程序修改，没有写入。</source>
        <translation>The file was changed by another program after it was read; nothing was written.</translation>
    </message>
    <message>
        <source>&quot;%S&quot; 是读入文件之后才出现的符号链接，不经由它写入。</source>
        <translation>&quot;%S&quot; is a symbolic link that appeared after the file was read; nothing is written through it.</translation>
    </message>
    <message>
        <source>符号链接 &quot;%S&quot; 现在指向别处，与读入文件时不同，不经由它写入。</source>
        <translation>The symbolic link &quot;%S&quot; now points elsewhere than when the file was read; nothing is written through it.</translation>
    </message>
    <message>
        <source>符号链接 &quot;%S&quot; 属于其他用户，又在人人可写的粘滞文件夹中，不经由它读写。</source>
        <translation>The symbolic link &quot;%S&quot; belongs to another user in a shared sticky folder; nothing is read or written through it.</translation>
    </message>
    <message>
        <source>未知的语言: %S (可用 zh、en)</source>
        <translation>Unknown language: %S (use zh or en)</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>重新启动后生效</source>
        <translation>Takes effect at the next start</translation>
    </message>
    <message>
        <source>逐行编辑 INI 格式配置文件，显示文件的结构。</source>
        <translation>Edits INI-style configuration files line by line and shows their structure.</translation>
    </message>
    <message>
        <source>只能指定 --outline、--extract 或编辑操作中的一种。</source>
        <translation>Give only one of --outline, --extract or the edits.</translation>
    </message>
    <message>
        <source>请指定 --outline、--extract 或编辑操作 (--get、--set 等)。</source>
        <translation>Give --outline, --extract or an edit (--get, --set, ...).</translation>
    </message>
    <message>
        <source>--check、--diff 和 --json 只用于编辑操作。</source>
        <translation>--check, --diff and --json go only with the edits.</translation>
    </message>
    <message>
        <source>标准输入无法写回: 编辑标准输入时请加 --check (可与 --diff 同用)。</source>
        <translation>Standard input cannot be written back: edit standard input with --check (and --diff, if you like).</translation>
    </message>
    <message>
        <source>未知的编码: %S (可用 GB18030、GBK、Big5、Shift_JIS、EUC-KR、windows-1252)</source>
        <translation>Unknown encoding: %S (use GB18030, GBK, Big5, Shift_JIS, EUC-KR or windows-1252)</translation>
    </message>
    <message>
        <source>标准输出的文件未能恢复原样，其中可能留有部分输出。</source>
        <translation>The file on standard output could not be put back as it was; it may hold part of the output.</translation>
    </message>
    <message>
        <source>读取标准输入失败！</source>
        <translation>Reading standard input failed!</translation>
    </message>
    <message>
        <source>没有可用的显示 (DISPLAY、WAYLAND_DISPLAY 和 QT_QPA_PLATFORM 都未设置)，无法打开窗口。
不用窗口时可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。</source>
        <translation>There is no display (DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are all unset), so the window cannot open.
Without a window, use varnoquil --outline FILE or varnoquil --extract checked|tree|all FILE.</translation>
    </message>
    <message>
        <source>这个版本没有窗口。可用 varnoquil --outline 文件 或 varnoquil --extract checked|tree|all 文件。</source>
        <translation>This build has no window. Use varnoquil --outline FILE or varnoquil --extract checked|tree|all FILE.</translation>
    </message>
    <message>
        <source>编辑需要一个单字节、非空白的注释标志 (如 --rem &quot;;&quot;)。</source>
        <translation>Edits need a comment sign of one byte that is not blank (such as --rem &quot;;&quot;).</translation>
    </message>
    <message>
        <source>项名不能为空。</source>
        <translation>The key name cannot be empty.</translation>
    </message>
    <message>
        <source>项名 &quot;%S&quot; 的开头或结尾不能是空白。</source>
        <translation>The key name &quot;%S&quot; cannot begin or end with a blank.</translation>
    </message>
    <message>
        <source>项名 &quot;%S&quot; 中不能含有分隔标志。</source>
        <translation>The key name &quot;%S&quot; cannot hold the split sign.</translation>
    </message>
    <message>
        <source>项名 &quot;%S&quot; 会被读成注释或节名。</source>
        <translation>The key name &quot;%S&quot; would read as a comment or a section name.</translation>
    </message>
    <message>
        <source>值 &quot;%S&quot; 的开头或结尾不能是空白。</source>
        <translation>The value &quot;%S&quot; cannot begin or end with a blank.</translation>
    </message>
    <message>
        <source>节名 &quot;%S&quot; 中不能含有 &quot;]&quot;。</source>
        <translation>The section name &quot;%S&quot; cannot hold &quot;]&quot;.</translation>
    </message>
    <message>
        <source>节 &quot;%S&quot; 中没有有效的项 &quot;%S&quot;。</source>
        <translation>Section &quot;%S&quot; has no active key &quot;%S&quot;.</translation>
    </message>
    <message>
        <source>节 &quot;%S&quot; 中没有可以启用的项 &quot;%S&quot;。</source>
        <translation>Section &quot;%S&quot; has no key &quot;%S&quot; to switch on.</translation>
    </message>
    <message>
        <source>参数 &quot;%S&quot; 不是有效的 UTF-8 文本。</source>
        <translation>The argument &quot;%S&quot; is not valid UTF-8 text.</translation>
    </message>
    <message>
        <source>保存设置文件 &quot;%S&quot; 失败！</source>
        <translation>Saving the settings file &quot;%S&quot; failed!</translation>
    </message>
    <message>
        <source>用法: varnoquil [--lang zh|en] [--] [文件]  打开窗口
      varnoquil --outline [选项] 文件        输出目录树
      varnoquil --extract 方式 [选项] 文件   输出提取之后保存的内容
      varnoquil 编辑操作... [--check] [--diff] [--json] [选项] 文件
      varnoquil -h|--help | -V|--version

文件为 - 时读取标准输入; 管道、FIFO 和 /dev/stdin 都读到结尾。
以 - 开头的文件名写在 -- 之后 (-- 之后的参数都是文件名)。
--lang zh|en 为这一次运行的语言 (窗口和消息), 默认为配置中的界面语言。

--outline: 目录树的每个节点一行, 按目录树的顺序: 每层两个空格, 节点类型
    (S 节, T 标题, K 项, C 注释项), 空格, 行号, &quot;: &quot;, 节点文本。
--extract checked|tree|all: &quot;提取钩选项&quot;、&quot;提取目录树&quot;、&quot;提取所有&quot;之后
    保存所写的字节, 写到标准输出。

编辑操作 (可以有多个, 按顺序执行, 文件只写一次; 只有操作改动的行会变):
  --get 节 项          输出节中有效的项的值 (有多个时为最后一个); 没有时退出状态为 1
  --set 节 项 值       设置值: 有效的项只改值; 否则启用节中被注释的同名项并设为该值;
                       否则在节的最后一个项之后加 &quot;项 = 值&quot;; 没有该节时在文件末尾加节
  --disable 节 项      用注释标志注释掉节中该项的每个有效行
  --enable 节 项       没有有效行时, 启用最后一个被注释的同名项
  --delete 节 项       删除节中该项的有效行
  节为 &quot;&quot; 时指第一个节之前的行; 同名的节视为一个节, 新项加在其最后一块中。
  --check              不写文件, 只判断会不会改动
  --diff               输出改动的统一差异格式 (unified diff)
  --json               输出一个 JSON 对象: changed、operations (每个操作及其结果)、diff
  参数和输出都是 UTF-8; 写入时转换为文件的编码 (GBK、UTF-16), 无法表示的字符会被拒绝。
  例: varnoquil --set PHP memory_limit 256M --disable PHP expose_php /etc/php/php.ini
      varnoquil --get PHP memory_limit /etc/php/php.ini
      varnoquil --enable Date date.timezone --check --diff /etc/php/php.ini
      varnoquil --pattern 1 --delete global &quot;wins support&quot; --json /etc/samba/smb.conf

选项 (在模式之后生效):
  --pattern N          模式 (默认 2):
%S  --rem 标志           注释标志
  --split 标志         分隔标志
  --title-type N       标题类型:
%S  --title-begin 标志   标题开始标志
  --title-end 标志     标题结束标志
  --omit-spaces        忽略标志头尾的空格
  --no-omit-spaces     不忽略标志头尾的空格
  --encoding 编码      不是 UTF-8 的文件所用的编码 (默认 GB18030, 即 GBK):
                       GB18030、Big5、Shift_JIS、EUC-KR、windows-1252
由空格组成的标志可写成空格数加 &quot;|_|&quot;, 如 &quot;1|_|&quot; 为一个空格。标志最长 255 字节。
标志以 UTF-8 给出, 按文件的编码比较, 与窗口相同。

退出状态: 0 成功 (不论有没有改动); 1 文件无法读取、编辑失败 (文件不会被改动) 或输出失败;
2 用法错误或文件不存在。
读取的一方提前关闭管道时 (如 | head) 程序不再输出, 静默结束。
</source>
        <translation>Usage: varnoquil [--lang zh|en] [--] [FILE]  open the window
       varnoquil --outline [OPTIONS] FILE       print the tree
       varnoquil --extract WAY [OPTIONS] FILE   print what Save writes after an extraction
       varnoquil EDIT... [--check] [--diff] [--json] [OPTIONS] FILE
       varnoquil -h|--help | -V|--version

A FILE of - reads standard input; pipes, FIFOs and /dev/stdin are read to their end.
A file name that starts with - goes after -- (every argument after -- is a file name).
--lang zh|en is the language of this run (window and messages); by default, the language chosen
in the configuration dialog.

--outline: one line per tree node, in the order of the tree: two spaces per level, the node&apos;s
    kind (S section, T title, K key, C commented-out key), a space, the line number, &quot;: &quot;, the
    node&apos;s text.
--extract checked|tree|all: the bytes that Save writes after &quot;Extract Checked&quot;, &quot;Extract Tree&quot;
    or &quot;Extract All&quot;, written to standard output.

Edits (any number, run in order, the file written once; only the lines they change change):
  --get SEC KEY        print the value of the section&apos;s active key (the last one when there are
                       several); exit status 1 when there is none
  --set SEC KEY VALUE  set the value: an active key changes only its value; else a commented-out
                       key of that name in the section is switched on with the value; else
                       &quot;KEY = VALUE&quot; is added after the section&apos;s last key; a missing section is
                       added at the end of the file
  --disable SEC KEY    comment out each active line of the key in the section with the comment sign
  --enable SEC KEY     when the key has no active line, switch on its last commented-out line
  --delete SEC KEY     delete the active lines of the key in the section
  A SEC of &quot;&quot; means the lines before the first section; sections of the same name count as one,
  and a new key goes into the last of them.
  --check              write nothing, only tell whether the file would change
  --diff               print the changes as a unified diff
  --json               print one JSON object: changed, operations (each edit and its result), diff
  Arguments and output are UTF-8; what is written is converted to the file&apos;s encoding (GBK,
  UTF-16), and a character that encoding cannot hold is refused.
  Examples: varnoquil --set PHP memory_limit 256M --disable PHP expose_php /etc/php/php.ini
            varnoquil --get PHP memory_limit /etc/php/php.ini
            varnoquil --enable Date date.timezone --check --diff /etc/php/php.ini
            varnoquil --pattern 1 --delete global &quot;wins support&quot; --json /etc/samba/smb.conf

Options (they apply after the pattern):
  --pattern N          pattern (default 2):
%S  --rem SIGN           comment sign
  --split SIGN         split sign
  --title-type N       title type:
%S  --title-begin SIGN   title begin sign
  --title-end SIGN     title end sign
  --omit-spaces        ignore spaces around the signs
  --no-omit-spaces     do not ignore spaces around the signs
  --encoding ENCODING  the encoding of a file that is not UTF-8 (default GB18030, that is GBK):
                       GB18030, Big5, Shift_JIS, EUC-KR, windows-1252
A sign made of spaces may be written as their count and &quot;|_|&quot;: &quot;1|_|&quot; is one space. Signs are at
most 255 bytes. Signs are given in UTF-8 and compared in the file&apos;s encoding, as in the window.

Exit status: 0 success (whether anything changed or not); 1 the file cannot be read, an edit
failed (the file is left as it was) or the output failed; 2 a usage error or a missing file.
When the reader closes the pipe early (as | head does), the program stops writing and ends quietly.
</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>撤销 %S</source>
        <translation>Undo %S</translation>
    </message>
    <message>
        <source>重做 %S</source>
        <translation>Redo %S</translation>
    </message>
    <message>
        <source>撤销上一步操作</source>
        <translation>Undo the last operation</translation>
    </message>
    <message>
        <source>重做撤销的操作</source>
        <translation>Redo the operation undone</translation>
    </message>
    <message>
        <source>&lt;&lt;共撤销了 %d 行&gt;&gt;</source>
        <translation>&lt;&lt;%d lines undone in all&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;共重做了 %d 行&gt;&gt;</source>
        <translation>&lt;&lt;%d lines redone in all&gt;&gt;</translation>
    </message>
    <message>
        <source>钩选</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>取消钩选</source>
        <translation>Uncheck</translation>
    </message>
</context>
</TS>
