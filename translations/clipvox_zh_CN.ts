<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutDialog</name>
    <message>
        <location filename="../extras/about.ui" line="+14"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>Clipvox logo</source>
        <translation>Clipvox 标志</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Clipvox</source>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+10"/>
        <source>HomePage</source>
        <translation>主页</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Opens the home page in the web browser</source>
        <translation>在网页浏览器中打开主页</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+10"/>
        <location line="+6"/>
        <source>Technology Support</source>
        <translation>技术支持</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Writes an e-mail to the support</source>
        <translation>给技术支持写电子邮件</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>© The Clipvox developers</source>
        <translation>© Clipvox 开发者</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../extras/about.cpp" line="+59"/>
        <source>Free software under the GNU GPL, version 3 or later</source>
        <translation>自由软件，遵循 GNU 通用公共许可证第 3 版或更新版本</translation>
    </message>
</context>
<context>
    <name>ClipEditor</name>
    <message>
        <source>Playback</source>
        <translation>播放</translation>
    </message>
    <message>
        <location filename="../clip/edit.ui" line="+14"/>
        <source>Edit Clip Time</source>
        <translation>编辑片段时间</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+21"/>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <location line="+72"/>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Play (Space)</source>
        <translation>播放（空格）</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Pause (Space)</source>
        <translation>暂停（空格）</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+3"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Sound of the source</source>
        <translation>源文件的声音</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click to play from here. Left, Right: one second back or forward (with Shift, ten seconds). Home, End: to the start mark, to the end mark</source>
        <translation>单击从此处开始播放。左、右方向键：后退或前进一秒（按住 Shift 为十秒）。Home、End：跳到开始标记、结束标记</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>End time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Set start time</source>
        <translation>设置开始时间</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set start time (I)</source>
        <translation>设置开始时间（I）</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Set end time</source>
        <translation>设置结束时间</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Set end time (O)</source>
        <translation>设置结束时间（O）</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Edit start time and end time</source>
        <translation>编辑开始时间和结束时间</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+3"/>
        <source>Reset time</source>
        <translation>重置时间</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>Tag Information</source>
        <translation>标签信息</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Enable Tag</source>
        <translation>启用标签(&amp;E)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Title:</source>
        <translation>标题(&amp;T):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Artist:</source>
        <translation>艺术家(&amp;A):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Al&amp;bum:</source>
        <translation>专辑(&amp;B):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>&amp;Comment:</source>
        <translation>注释(&amp;C):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <location line="-177"/>
        <source>Co&amp;pyright:</source>
        <translation>版权(&amp;P):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Copyright</source>
        <translation>版权</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&amp;Year:</source>
        <translation>年份(&amp;Y):</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>T&amp;rack:</source>
        <translation>曲目号(&amp;R):</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Track</source>
        <translation>曲目号</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;Genre:</source>
        <translation>流派(&amp;G):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Sound track:</source>
        <translation>音轨(&amp;S):</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Sound track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+3"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+3"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../clip/edit.cpp" line="+107"/>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <location line="+571"/>
        <location line="+10"/>
        <source>Please input correct time format!</source>
        <translation>请输入正确格式的时间！</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Start Time should be smaller than End Time!</source>
        <translation>开始时间应早于结束时间！</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Invalid Year Value</source>
        <translation>年份值无效</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Invalid Track Value</source>
        <translation>曲目号无效</translation>
    </message>
</context>
<context>
    <name>ClipvoxApplication</name>
    <message>
        <location filename="../desktop/application.cpp" line="+29"/>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>its name is not UTF-8: the output&apos;s name has %XX for each byte that is not</source>
        <translation>其名称不是 UTF-8：输出名称中每个非 UTF-8 字节写作 %XX</translation>
    </message>
    <message>
        <source>--name knows {name} {title} {artist} {album} {year} {track} {n} {chapter}, not %1</source>
        <translation>--name 只识别 {name} {title} {artist} {album} {year} {track} {n} {chapter}，不识别 %1</translation>
    </message>
    <message>
        <location filename="../cli/convert.cpp" line="+104"/>
        <source>Usage: clipvox --convert [options] [--] FILE...
       clipvox [FILE...]            (opens the window with the files queued)

Converts the sound track of each video FILE to an audio file, without a window.

Options:
  --format FORMAT   output format: %1 (default: the one in setup.ini)
  --output DIR      folder for the outputs (default: each source&apos;s own folder)
  --start hh:mm:ss  start of the clip of every file (default 00:00:00);
                    -hh:mm:ss counts back from each source&apos;s end
  --end hh:mm:ss    end of the clip of every file, or max (default max);
                    -hh:mm:ss counts back from each source&apos;s end: --start
                    00:00:12 --end -00:00:08 cuts 12 s at the start, 8 s at
                    the end; a clip that does not fit a source fails that file
  --track N         the sound track to convert, counted from 1 (default: the
                    source&apos;s default track); a file without it fails
  --split-chapters  one output per chapter, &quot;video - 01 Title.mp3&quot;, with the
                    chapter&apos;s title and number as tags
  --jobs N          files converted at the same time (default: setup.ini)
  --overwrite       replace existing files of the output&apos;s name; without it an
                    existing file is kept and the output takes the next free
                    name, &quot;clip (2).mp3&quot;; a source is never replaced
  --skip-existing   leave a file whose output exists unconverted
  --name PATTERN    output file name from {name} {title} {artist} {album} {year}
                    {track} {n}; one with nothing to give is {name} (default {name})
  --keep-tree ROOT  with --output: the sources&apos; folders below ROOT are kept
                    under the output folder
  --no-tags         do not copy the source&apos;s tags and cover
%2  --loudness LUFS   make each file&apos;s loudness even at LUFS (-70 to -5), or off
                    (default: setup.ini)
  --peaks MODE      where the gain for the loudness would put the true peak over
                    -1 dBTP: limit (a limiter takes the peaks, the loudness is
                    reached) or lower (the whole file stays quieter) (default:
                    setup.ini, else limit)
  --replaygain MODE without --loudness: leave the sound as it is and write
                    ReplayGain tags (-18 LUFS): track (each file&apos;s gain and
                    peak), album (also the gain and peak of the files of the run
                    in the same folder, written once the last is done) or off;
                    with --loudness, album gives those files one gain, so that
                    they keep their loudness relative to each other (default:
                    setup.ini, else off)
  --preset NAME     the settings of a preset over those of setup.ini (before --set
                    and the options above)
  --list-presets    list the presets: the name, a tab, a description
  --set SECTION.KEY=VALUE
                    one setting of setup.ini for this run (repeatable), checked
                    as setup.ini is: --set mp3.bitrate=192 --set mp3.channels=1
  --files-from FILE convert the files named in FILE too, one a line (- reads
                    standard input)
  --null, -0        the names of --files-from end with a NUL byte, as find
                    -print0 writes them
  --list-formats    list the output formats: extension, a tab, the name
  --progress FORM   plain (the lines below) or json: one JSON object a line on
                    standard output, {&quot;event&quot;:&quot;start&quot;|&quot;progress&quot;|&quot;end&quot;,
                    &quot;job&quot;:N,...} (see the manual page)
  --watch DIR       convert each video that appears in DIR (and the folders below
                    it with --keep-tree) once it has stopped growing, each file
                    once, also across restarts; runs until SIGINT or SIGTERM
  --help            show this text
  --version         show the version

Encoder parameters and loudness come from setup.ini, as in the window.
One line per file on standard output, in queue order:
  ok SOURCE -&gt; OUTPUT (LENGTH)   or   failed SOURCE: REASON
  with a loudness target: ok SOURCE -&gt; OUTPUT (LENGTH, -16.0 LUFS), the loudness
  reached (-inf LUFS for a file below the -70 LUFS gate)
  or   skipped SOURCE: KEPT FILE; names with control characters as $&apos;a\nb&apos;
Exit code: 0 all converted, 1 some failed, 2 usage error, 130 cancelled.
</source>
        <translation>用法:  clipvox --convert [选项] [--] FILE...
       clipvox [FILE...]            （打开窗口，并将这些文件加入队列）

不打开窗口，将每个视频文件 FILE 的音轨转换为音频文件。

选项:
  --format FORMAT   输出格式：%1（默认：setup.ini 中的格式）
  --output DIR      输出文件夹（默认：各源文件所在的文件夹）
  --start hh:mm:ss  每个文件的片段开始时间（默认 00:00:00）；
                    -hh:mm:ss 表示从每个源文件末尾倒数
  --end hh:mm:ss    每个文件的片段结束时间，或 max（默认 max）；
                    -hh:mm:ss 表示从每个源文件末尾倒数：例如
                    “--start 00:00:12 --end -00:00:08”去掉开头 12 秒和结尾 8 秒；
                    超出源文件的片段使该文件失败
  --track N         要转换的音轨，从 1 开始计数（默认：源文件的默认
                    音轨）；没有该音轨的文件转换失败
  --split-chapters  每个章节输出一个文件，如 &quot;video - 01 Title.mp3&quot;，
                    并将章节标题和编号写入标签
  --jobs N          同时转换的文件数（默认：setup.ini）
  --overwrite       替换与输出文件同名的已有文件；不加此选项时保留
                    已有文件，输出文件使用下一个可用的名称，如
                    &quot;clip (2).mp3&quot;；源文件永远不会被替换
  --skip-existing   输出文件已存在时，不转换该文件
  --name PATTERN    输出文件名，可使用 {name} {title} {artist} {album} {year}
                    {track} {n}；无值的字段取 {name}（默认 {name}）
  --keep-tree ROOT  与 --output 同用：在输出文件夹下保留源文件在 ROOT
                    之下的文件夹结构
  --no-tags         不复制源文件的标签和封面
%2  --loudness LUFS   将每个文件的响度统一为 LUFS（-70 到 -5），或 off
                    （默认：setup.ini）
  --peaks MODE      为达到响度所需的增益会使真峰值超过 -1 dBTP 时：
                    limit（由限幅器压低峰值，达到目标响度）或 lower
                    （整个文件保持较低音量）（默认：setup.ini，否则
                    为 limit）
  --replaygain MODE 不带 --loudness 时：保持声音不变，写入 ReplayGain
                    标签（-18 LUFS）：track（每个文件的增益和峰值）、
                    album（另加本次运行中同一文件夹内文件的增益和峰值，
                    在最后一个完成后写入）或 off；带 --loudness 时，
                    album 让这些文件使用同一个增益，以保持它们之间的相对
                    响度（默认：setup.ini，否则为 off）
  --preset NAME     在 setup.ini 的设置之上应用某个预设（先于 --set 和上面的选项）
  --list-presets    列出预设：名称、制表符、说明
  --set SECTION.KEY=VALUE
                    本次运行使用的一项 setup.ini 设置（可重复），按 setup.ini 的规则
                    检查：--set mp3.bitrate=192 --set mp3.channels=1
  --files-from FILE 同时转换 FILE 中列出的文件，每行一个（- 表示读取标准输入）
  --null, -0        --files-from 中的文件名以 NUL 字节结尾，与 find -print0 的输出一致
  --list-formats    列出输出格式：扩展名、制表符、名称
  --progress FORM   plain（下面的行）或 json：在标准输出上每行一个 JSON 对象，
                    {&quot;event&quot;:&quot;start&quot;|&quot;progress&quot;|&quot;end&quot;,&quot;job&quot;:N,...}（见手册页）
  --watch DIR       转换 DIR 中出现的每个视频（使用 --keep-tree 时包括其子文件夹），
                    在文件不再增长后转换，每个文件只转换一次，重启后亦然；
                    直到收到 SIGINT 或 SIGTERM 为止
  --help            显示此帮助
  --version         显示版本

编码器参数和响度设置取自 setup.ini，与窗口中相同。
每个文件在标准输出上输出一行，顺序与队列相同：
  ok SOURCE -&gt; OUTPUT (LENGTH)   或   failed SOURCE: REASON
  设有响度目标时：ok SOURCE -&gt; OUTPUT (LENGTH, -16.0 LUFS)，即达到的响度
  （低于 -70 LUFS 门限的文件为 -inf LUFS）
  或   skipped SOURCE: KEPT FILE；含控制字符的名称写作 $&apos;a
b&apos;
退出码：0 全部转换成功，1 部分失败，2 用法错误，130 已取消。
</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Try &apos;clipvox --convert --help&apos;.</source>
        <translation>请尝试执行 &quot;clipvox --convert --help&quot; 来获取更多信息。</translation>
    </message>
    <message>
        <location line="+45"/>
        <location line="+99"/>
        <location line="+36"/>
        <location line="+277"/>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <location line="-293"/>
        <source>length unknown</source>
        <translation>时长未知</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>file %1 of %2, %3%, time left %4</source>
        <translation>第 %1 个文件，共 %2 个，%3%，剩余时间 %4</translation>
    </message>
    <message>
        <location line="+182"/>
        <source>License GPL-3.0-or-later: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>许可证 GPL-3.0-or-later：GNU 通用公共许可证第 3 版或更新版本 &lt;https://gnu.org/licenses/gpl.html&gt;。
本软件是自由软件：您可以自由修改和重新发布它。
在法律允许的范围内，不提供任何保证。
</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>options other than --help and --version need --convert</source>
        <translation>除 --help 和 --version 外的选项都需要 --convert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>no files to convert</source>
        <translation>没有要转换的文件</translation>
    </message>
    <message>
        <location line="-104"/>
        <source>unknown format &quot;%1&quot;</source>
        <translation>未知格式“%1”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--overwrite and --skip-existing exclude each other</source>
        <translation>--overwrite 和 --skip-existing 不能同时使用</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--loudness needs a whole number from -70 to -5 or off, not &quot;%1&quot;</source>
        <translation>--loudness 需要 -70 到 -5 之间的整数或 off，而不是“%1”</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--peaks needs limit or lower, not &quot;%1&quot;</source>
        <translation>--peaks 需要 limit 或 lower，而不是“%1”</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>--replaygain needs track, album or off, not &quot;%1&quot;</source>
        <translation>--replaygain 需要 track、album 或 off，而不是“%1”</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--jobs needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--jobs 需要不小于 1 的数字，而不是“%1”</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--keep-tree needs --output</source>
        <translation>--keep-tree 需要与 --output 同用</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>--track needs a number of at least 1, not &quot;%1&quot;</source>
        <translation>--track 需要不小于 1 的数字，而不是“%1”</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>No such file</source>
        <translation>文件不存在</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Is a folder, not a video file</source>
        <translation>是文件夹，不是视频文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The file cannot be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>it has no chapters, converted whole</source>
        <translation>没有章节，已整体转换</translation>
    </message>
    <message>
        <location filename="../main/commandline.cpp" line="+10"/>
        <source>Pulls the sound track out of video files.</source>
        <translation>从视频文件中提取音轨。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Videos or folders of videos to queue.</source>
        <translation>要加入队列的视频或视频文件夹。</translation>
    </message>
    <message>
        <source>cannot read the list of files &quot;%1&quot;: %2</source>
        <translation>无法读取文件列表“%1”：%2</translation>
    </message>
    <message>
        <source>--set needs SECTION.KEY=VALUE, not &quot;%1&quot;</source>
        <translation>--set 需要 节.键=值，而不是“%1”</translation>
    </message>
    <message>
        <source>options other than --help, --version, --list-formats and --list-presets need --convert</source>
        <translation>除 --help、--version、--list-formats 和 --list-presets 外的选项都需要 --convert</translation>
    </message>
    <message>
        <source>--null needs --files-from</source>
        <translation>--null 需要 --files-from</translation>
    </message>
    <message>
        <source>--progress needs plain or json, not &quot;%1&quot;</source>
        <translation>--progress 需要 plain 或 json，而不是“%1”</translation>
    </message>
    <message>
        <source>unknown preset &quot;%1&quot;; the presets: %2</source>
        <translation>未知预设“%1”；可用预设：%2</translation>
    </message>
    <message>
        <source>--watch converts what appears in its folder: no files, no --files-from</source>
        <translation>--watch 转换其文件夹中出现的文件：不能再给出文件或 --files-from</translation>
    </message>
    <message>
        <source>--watch needs a folder, not &quot;%1&quot;</source>
        <translation>--watch 需要一个文件夹，而不是“%1”</translation>
    </message>
    <message>
        <source>Watching %1 (Ctrl+C ends)</source>
        <translation>正在监视 %1（按 Ctrl+C 结束）</translation>
    </message>
    <message>
        <source>cannot keep what was converted in %1: %2</source>
        <translation>无法在 %1 中记录已转换的文件：%2</translation>
    </message>
    <message>
        <source>--start needs a time hh:mm:ss or -hh:mm:ss, not &quot;%1&quot;</source>
        <translation>--start 需要 hh:mm:ss 或 -hh:mm:ss 格式的时间，而不是“%1”</translation>
    </message>
    <message>
        <source>--end needs a time hh:mm:ss, -hh:mm:ss or max, not &quot;%1&quot;</source>
        <translation>--end 需要 hh:mm:ss、-hh:mm:ss 格式的时间或 max，而不是“%1”</translation>
    </message>
    <message>
        <source>unknown tag field &quot;%1&quot;; the fields: %2</source>
        <translation>未知的标签字段“%1”；可用字段：%2</translation>
    </message>
    <message>
        <source>the tag field %1 needs a value</source>
        <translation>标签字段 %1 需要一个值</translation>
    </message>
    <message>
        <source>the tag field %1 needs a number from 1 to %2, not &quot;%3&quot;</source>
        <translation>标签字段 %1 需要 1 到 %2 之间的数字，而不是“%3”</translation>
    </message>
    <message>
        <source>--tags-from-name knows {title} {artist} {album} {year} {track} {genre} {comment}, not {%1}</source>
        <translation>--tags-from-name 支持 {title} {artist} {album} {year} {track} {genre} {comment}，不支持 {%1}</translation>
    </message>
    <message>
        <source>--tags-from-name needs a pattern with a field such as {title}, not &quot;%1&quot;</source>
        <translation>--tags-from-name 需要包含字段（如 {title}）的模式，而不是“%1”</translation>
    </message>
    <message>
        <source>--tag needs FIELD=VALUE, not &quot;%1&quot;</source>
        <translation>--tag 需要 字段=值，而不是“%1”</translation>
    </message>
    <message>
        <source>--number gives the track numbers: no track field besides it</source>
        <translation>--number 会给出音轨号：不能同时使用 track 字段</translation>
    </message>
    <message>
        <source>--number numbers the files given, not those --watch finds</source>
        <translation>--number 为给定的文件编号，不适用于 --watch 找到的文件</translation>
    </message>
    <message>
        <source>skipped by the --tags-from-name pattern, its tags kept</source>
        <translation>不匹配 --tags-from-name 的模式，已跳过，保留其标签</translation>
    </message>
    <message>
        <source>the clip reaches before the source&apos;s start: it is %1 long</source>
        <translation>片段开始于源文件开头之前：源文件长 %1</translation>
    </message>
    <message>
        <source>the clip&apos;s end comes before its start in a source %1 long</source>
        <translation>在长 %1 的源文件中，片段的结束早于开始</translation>
    </message>
    <message>
        <source>the clip reaches past the source&apos;s end: it is %1 long</source>
        <translation>片段超出源文件末尾：源文件长 %1</translation>
    </message>
    <message>
        <source>  --tag FIELD=VALUE a tag of every output, over the source&apos;s (repeatable); FIELD
                    is title, artist, album, year, track, genre or comment
  --number          track numbers 1..N in the order of the outputs, with N as
                    the total where the format keeps one (not WMA)
  --tags-from-name PATTERN
                    tags out of each source&apos;s name without its extension:
                    &quot;{track} - {title}&quot;, &quot;{artist} - {title}&quot;; a name the
                    pattern does not match keeps its tags, its line says so
  --cover FILE      the picture FILE as every output&apos;s cover; a file that is
                    no picture fails each file with the reason
</source>
        <translation>  --tag 字段=值     每个输出的标签，覆盖源文件的标签（可重复）；字段为 title、
                    artist、album、year、track、genre 或 comment
  --number          按输出顺序给出音轨号 1..N，格式支持时写入总数 N（WMA 除外）
  --tags-from-name 模式
                    从每个源文件的文件名（不含扩展名）读取标签：
                    “{track} - {title}”、“{artist} - {title}”；与模式不匹配的
                    文件名保留其标签，并在其行中说明
  --cover 文件      以图片文件作为每个输出的封面；不是图片的文件会使每个文件
                    失败并给出原因
</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <location filename="../clip/edittime.cpp" line="+17"/>
        <location filename="../core/core.cpp" line="+45"/>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1”不是有效的整数值</translation>
    </message>
</context>
<context>
    <name>Cover</name>
    <message>
        <source>The cover %1 cannot be read: %2</source>
        <translation>无法读取封面 %1：%2</translation>
    </message>
    <message>
        <source>The cover %1 is not a picture</source>
        <translation>封面 %1 不是图片</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <location filename="../desktop/desktop.cpp" line="+58"/>
        <source>Select a directory to save output files</source>
        <translation>选择保存输出文件的文件夹</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Information</source>
        <translation>信息</translation>
    </message>
</context>
<context>
    <name>DesktopEntry</name>
    <message>
        <location filename="../resources/desktop-texts.cpp" line="+10"/>
        <source>Clipvox</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Name</extracomment>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Audio Extractor</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s GenericName</extracomment>
        <translation>音频提取器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Convert the sound track of videos into MP3, WMA, WAV, OGG, FLAC, Opus or M4A files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Comment</extracomment>
        <translation>将视频的音轨转换为 MP3、WMA、WAV、OGG、FLAC、Opus 或 M4A 文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>audio;video;convert;extract;mp3;ogg;wma;wav;flac;opus;m4a;sound track;</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s Keywords: search words, each ending in ;</extracomment>
        <translation>音频;视频;转换;提取;音轨;声音;mp3;ogg;wma;wav;flac;opus;m4a;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pull the sound track out of videos into audio files</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s summary</extracomment>
        <translation>从视频中提取音轨，保存为音频文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clipvox converts the sound track of video files into audio files. Queue your videos, preview each one, trim it to a start and end time, give it tags, pick one output folder and one format, and convert the whole queue while a progress dialog shows how far it has come.</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>Clipvox 将视频文件的音轨转换为音频文件。将视频加入队列，逐个预览，按开始和结束时间剪辑，添加标签，选择一个输出文件夹和一种格式，然后转换整个队列，进度对话框会显示转换进度。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Reads AVI, MPEG, WMV, ASF, MP4, MKV, WebM, MOV, FLV, MPEG transport streams, VOB, 3GP, OGV and DV</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>读取 AVI、MPEG、WMV、ASF、MP4、MKV、WebM、MOV、FLV、MPEG 传输流、VOB、3GP、OGV 和 DV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Writes MP3, WMA, WAV, OGG, lossless FLAC, Opus or AAC in M4A, each with its encoder parameters</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>写入 MP3、WMA、WAV、OGG、无损 FLAC、Opus 或 M4A 封装的 AAC，每种格式都有各自的编码参数</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A clip editor with a preview and a sound strip that shows the start of speech and the pauses</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>带预览的片段编辑器，其声音条显示语音的开始和停顿</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Optionally makes the loudness of the whole queue even (EBU R128)</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>可选择统一整个队列的响度（EBU R128）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts several files at the same time, and never leaves a half-written file behind</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>可同时转换多个文件，绝不留下写了一半的文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Converts without a window too: clipvox --convert, for scripts and servers</source>
        <extracomment>The menu entry&apos;s and the software centre&apos;s description</extracomment>
        <translation>也可以不用窗口转换：clipvox --convert，适用于脚本和服务器</translation>
    </message>
</context>
<context>
    <name>FlacPage</name>
    <message>
        <location filename="../formats/flac/flacpage.ui" line="+6"/>
        <source>FLAC</source>
        <translation>FLAC</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location line="+7"/>
        <location line="+115"/>
        <source>Same as source</source>
        <translation>与源文件相同</translation>
    </message>
    <message>
        <location line="-44"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>采样位数</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+7"/>
        <source>Compression level</source>
        <translation>压缩级别</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <location filename="../settings/settingsfile.cpp" line="+227"/>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>JobQueue</name>
    <message>
        <location filename="../main/jobqueue.cpp" line="+229"/>
        <source>No queued file is being edited.</source>
        <translation>没有正在编辑的队列文件。</translation>
    </message>
</context>
<context>
    <name>M4aPage</name>
    <message>
        <location filename="../formats/m4a/m4apage.ui" line="+6"/>
        <source>M4A</source>
        <translation>M4A</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>比特率 (kbps)</translation>
    </message>
    <message>
        <location line="+58"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>These names are not UTF-8 and were not added (rename them, or convert them with clipvox --convert):
</source>
        <translation>以下名称不是 UTF-8，未添加（请重命名，或用 clipvox --convert 转换）：
</translation>
    </message>
    <message>
        <source>These are not regular files and were not added:
</source>
        <translation>以下不是普通文件，未添加：
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>No program to show the folder was found. The file is at:
</source>
        <translation>未找到可显示文件夹的程序。文件位于：
</translation>
    </message>
    <message>
        <location filename="../main/main.ui" line="+20"/>
        <source>Clipvox</source>
        <translation>Clipvox</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Queue</source>
        <translation>队列</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-141"/>
        <source>Source File</source>
        <translation>源文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>End Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Convert To</source>
        <translation>转换为</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Output File</source>
        <translation>输出文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <location filename="../main/main.ui" line="+53"/>
        <source>Quick Settings</source>
        <translation>快速设置</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Output &amp;path</source>
        <translation>输出路径(&amp;P)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Output path</source>
        <translation>输出路径</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+3"/>
        <location line="+3"/>
        <source>Select output path</source>
        <translation>选择输出路径</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Output f&amp;ormat</source>
        <translation>输出格式(&amp;O)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Output format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+115"/>
        <location line="+3"/>
        <source>Audio format settings</source>
        <translation>音频格式设置</translation>
    </message>
    <message>
        <location line="-82"/>
        <source>add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location line="+121"/>
        <source>Add files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <location line="-118"/>
        <location line="+121"/>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <location line="-111"/>
        <source>remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Remove selected item </source>
        <translation>移除所选项目 </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Edit selection</source>
        <translation>编辑所选项目</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+117"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location line="-107"/>
        <source>convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Start converting files</source>
        <translation>开始转换文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+106"/>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <location line="-96"/>
        <source>settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <source>Help contents, home page and support</source>
        <translation>帮助内容、主页和技术支持</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>about</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+3"/>
        <location filename="../main/main.cpp" line="+351"/>
        <source>About Clipvox</source>
        <translation>关于 Clipvox</translation>
    </message>
    <message>
        <location line="+18"/>
        <location filename="../main/jobs.cpp" line="+366"/>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+U</source>
        <translation>Ctrl+U</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="+8"/>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="-21"/>
        <location filename="../main/main.cpp" line="-37"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../main/jobs.cpp" line="+29"/>
        <source>Remove All</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Selection...</source>
        <translation>编辑所选项目...</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../main/main.cpp" line="+16"/>
        <location line="+4"/>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Help Content...</source>
        <translation>帮助内容...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Homepage</source>
        <translation>主页</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Technical Support</source>
        <translation>技术支持</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Tip of the Day</source>
        <translation>每日提示</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-68"/>
        <source>the source&apos;s default</source>
        <translation>源文件默认</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1
Sound track: %2</source>
        <translation>%1
音轨：%2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
Chapter %1: %2</source>
        <translation>
第 %1 章：%2</translation>
    </message>
    <message>
        <location filename="../main/chapters.cpp" line="+12"/>
        <location line="+43"/>
        <source>Split into chapters</source>
        <translation>按章节拆分</translation>
    </message>
    <message>
        <location filename="../main/jobs.cpp" line="-352"/>
        <source>MPEG files</source>
        <translation>MPEG 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WMV files</source>
        <translation>WMV 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AVI files</source>
        <translation>AVI 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ASF files</source>
        <translation>ASF 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MP4 files</source>
        <translation>MP4 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MKV files</source>
        <translation>MKV 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>WebM files</source>
        <translation>WebM 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MOV files</source>
        <translation>MOV 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FLV files</source>
        <translation>FLV 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MPEG transport streams</source>
        <translation>MPEG 传输流</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>VOB files</source>
        <translation>VOB 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3GP files</source>
        <translation>3GP 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OGV files</source>
        <translation>OGV 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DV files</source>
        <translation>DV 文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DivX files</source>
        <translation>DivX 文件</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Open Video Files</source>
        <translation>打开视频文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All supported files</source>
        <translation>所有支持的文件</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message numerus="yes">
        <location line="+77"/>
        <source>%n file(s) already in the queue not added again</source>
        <translation>
            <numerusform>%n 个文件已在队列中，未再次添加</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n file(s) without a video&apos;s name not added</source>
        <translation>
            <numerusform>%n 个没有视频文件名的文件未添加</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>These files do not exist and were not added:
</source>
        <translation>以下文件不存在，未添加：
</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Already in the queue:
%1

Add again?</source>
        <translation>已在队列中：
%1

再次添加？</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Add Files</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <location line="+201"/>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Written: %1</source>
        <translation>已写入：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="-16"/>
        <source>Waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <location filename="../main/main.cpp" line="-215"/>
        <source>Copy reason</source>
        <translation>复制原因</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Show in folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <location line="+105"/>
        <source>The queue could not be saved: %1</source>
        <translation>无法保存队列：%1</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Files...</source>
        <translation>添加文件...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add Folder...</source>
        <translation>添加文件夹...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Edit Clip...</source>
        <translation>编辑片段...</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Settings...</source>
        <translation>设置...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Queue</source>
        <translation>队列(&amp;Q)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Show Progress</source>
        <translation>显示进度</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>A conversion is still running. Stop it and quit?</source>
        <translation>转换仍在进行。要停止转换并退出吗？</translation>
    </message>
    <message>
        <location line="+108"/>
        <source>Edit Clip</source>
        <translation>编辑片段</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No program to open the user guide was found. The user guide is at:
</source>
        <translation>未找到可打开用户指南的程序。用户指南位于：
</translation>
    </message>
    <message>
        <location filename="../main/run.cpp" line="+39"/>
        <location line="+2"/>
        <source>Show progress</source>
        <translation>显示进度</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>Show progress (%1)</source>
        <translation>显示进度（%1）</translation>
    </message>
    <message>
        <location filename="../main/jobqueue.cpp" line="+1"/>
        <source>Converting...</source>
        <translation>正在转换...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Stop</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Skipped</source>
        <translation>已跳过</translation>
    </message>
    <message>
        <location filename="../main/runcontroller.cpp" line="+120"/>
        <source>Loudness %1 LUFS</source>
        <translation>响度 %1 LUFS</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Task complete!</source>
        <translation>任务完成！</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>
%1 of %2 %3 could not be converted; %4 Status says why.</source>
        <translation>
共 %2 个%3，其中 %1 个无法转换，%4原因见“状态”列。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>its</source>
        <translation>其</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>their</source>
        <translation>各自的</translation>
    </message>
</context>
<context>
    <name>Media</name>
    <message>
        <source>The source is cut short: it ended at %1</source>
        <translation>源文件不完整：在 %1 处结束</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="+78"/>
        <source>WMA %1 kbps, %2 kHz, %3</source>
        <translation>WMA %1 kbps，%2 kHz，%3</translation>
    </message>
    <message>
        <location line="+3"/>
        <location filename="../media/sourceinfo.cpp" line="+88"/>
        <source>mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+0"/>
        <location filename="../media/sourceinfo.cpp" line="+1"/>
        <source>stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>There is no WMA profile %1</source>
        <translation>没有 WMA 配置文件 %1</translation>
    </message>
    <message>
        <location filename="../media/tags.cpp" line="+314"/>
        <source>File not found: %1</source>
        <translation>找不到文件：%1</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Tags can be written to MP3, OGG, WMA, FLAC, Opus and M4A files only: %1</source>
        <translation>只能向 MP3、OGG、WMA、FLAC、Opus 和 M4A 文件写入标签：%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Cannot write the tags of %1</source>
        <translation>无法写入 %1 的标签</translation>
    </message>
    <message>
        <location filename="../media/audiowriters.cpp" line="+22"/>
        <location line="+121"/>
        <source>Cannot create %1 (%2)</source>
        <translation>无法创建 %1（%2）</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+21"/>
        <source>Unknown MP3 channel mode %1</source>
        <translation>未知的 MP3 声道模式 %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The MP3 encoder takes mono or stereo input only</source>
        <translation>MP3 编码器只接受单声道或立体声输入</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The MP3 encoder refuses %1 Hz at %2 kbps</source>
        <translation>MP3 编码器不接受 %1 Hz、%2 kbps 的组合</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>The input format cannot change after samples were written</source>
        <translation>写入采样后不能再更改输入格式</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>The MP3 encoder failed</source>
        <translation>MP3 编码器出错</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+46"/>
        <source>The OGG encoder refuses this format</source>
        <translation>OGG 编码器不接受此格式</translation>
    </message>
    <message>
        <location line="+25"/>
        <location filename="../formats/wav/wavformat.cpp" line="+47"/>
        <location filename="../media/audiowriters.cpp" line="-44"/>
        <source>Cannot take input of %1 Hz, %2 channels</source>
        <translation>无法接受 %1 Hz、%2 声道的输入</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="-92"/>
        <source>No WMA encoder</source>
        <translation>没有 WMA 编码器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The WMA encoder refuses %1 kbps at %2 Hz</source>
        <translation>WMA 编码器不接受 %1 kbps、%2 Hz 的组合</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+252"/>
        <location filename="../media/audiowriters.cpp" line="+102"/>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <location line="-175"/>
        <location line="+8"/>
        <location filename="../media/audiowriters.cpp" line="-47"/>
        <location line="+67"/>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <location filename="../formats/wma/wmaformat.cpp" line="+4"/>
        <source>The WMA encoder failed</source>
        <translation>WMA 编码器出错</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+17"/>
        <source>The FLAC encoder refuses %1 Hz, %2 channels, %3 bits</source>
        <translation>FLAC 编码器不接受 %1 Hz、%2 声道、%3 位</translation>
    </message>
    <message>
        <location line="+14"/>
        <location line="+13"/>
        <location line="+79"/>
        <source>The FLAC encoder failed</source>
        <translation>FLAC 编码器出错</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>The FLAC encoder failed (%1)</source>
        <translation>FLAC 编码器出错（%1）</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+54"/>
        <source>The Opus encoder failed (%1)</source>
        <translation>Opus 编码器出错（%1）</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+43"/>
        <source>The Opus encoder failed</source>
        <translation>Opus 编码器出错</translation>
    </message>
    <message>
        <location line="-34"/>
        <source>The Opus encoder refuses %1 kbps</source>
        <translation>Opus 编码器不接受 %1 kbps</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+34"/>
        <source>No AAC encoder</source>
        <translation>没有 AAC 编码器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The AAC encoder refuses %1 kbps at %2 Hz</source>
        <translation>AAC 编码器不接受 %1 kbps、%2 Hz 的组合</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The AAC encoder failed</source>
        <translation>AAC 编码器出错</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="+172"/>
        <source>The OGG minimum bit rate %1 kbps is above the maximum %2 kbps</source>
        <translation>OGG 最小比特率 %1 kbps 高于最大比特率 %2 kbps</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The OGG encoder refuses %1 Hz, %2 channels at these bit rates</source>
        <translation>OGG 编码器在这些比特率下不接受 %1 Hz、%2 声道</translation>
    </message>
    <message>
        <location filename="../formats/flac/flacformat.cpp" line="+75"/>
        <source>FLAC takes 1 or 2 channels, 16 or 24 bits and compression 0 to 8, not %1 Hz, %2 channels, %3 bits, compression %4</source>
        <translation>FLAC 仅支持 1 或 2 声道、16 或 24 位以及 0 到 8 的压缩级别，不支持 %1 Hz、%2 声道、%3 位、压缩级别 %4</translation>
    </message>
    <message>
        <location filename="../formats/opus/opusformat.cpp" line="+86"/>
        <source>Opus takes 32 to 256 kbps and 1 or 2 channels, not %1 kbps, %2 channels</source>
        <translation>Opus 仅支持 32 到 256 kbps 以及 1 或 2 声道，不支持 %1 kbps、%2 声道</translation>
    </message>
    <message>
        <location filename="../formats/m4a/m4aformat.cpp" line="+74"/>
        <source>M4A takes 44100 or 48000 Hz, 64 to 320 kbps and 1 or 2 channels, not %1 Hz, %2 kbps, %3 channels</source>
        <translation>M4A 仅支持 44100 或 48000 Hz、64 到 320 kbps 以及 1 或 2 声道，不支持 %1 Hz、%2 kbps、%3 声道</translation>
    </message>
    <message>
        <location filename="../media/avinput.cpp" line="+215"/>
        <source>Source file not found: %1</source>
        <translation>找不到源文件：%1</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+27"/>
        <source>Cannot read the source file: %1</source>
        <translation>无法读取源文件：%1</translation>
    </message>
    <message>
        <location line="-33"/>
        <location line="+8"/>
        <source>Not a media file (the file is empty): %1</source>
        <translation>不是媒体文件（文件为空）：%1</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Out of memory opening %1</source>
        <translation>打开 %1 时内存不足</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+18"/>
        <location filename="../media/sourceinfo.cpp" line="+236"/>
        <location line="+3"/>
        <location filename="../media/videoedit.cpp" line="+545"/>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <location line="-17"/>
        <location line="+17"/>
        <source>Not a media file: %1</source>
        <translation>不是媒体文件：%1</translation>
    </message>
    <message>
        <location filename="../media/medialength.cpp" line="+26"/>
        <location filename="../media/sourceinfo.cpp" line="+37"/>
        <location filename="../media/waveform.cpp" line="+113"/>
        <source>The length of %1 is unknown</source>
        <translation>%1 的时长未知</translation>
    </message>
    <message>
        <location filename="../media/previewplayer.cpp" line="+107"/>
        <source>The preview cannot draw with this display&apos;s OpenGL: %1</source>
        <translation>预览无法使用此显示器的 OpenGL 绘制：%1</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>Playback of &apos;%1&apos; failed: %2</source>
        <translation>播放“%1”失败：%2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file ended unexpectedly</source>
        <translation>文件意外结束</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>loading stopped</source>
        <translation>加载已停止</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+114"/>
        <source>Cannot open file &apos;%1&apos;: %2</source>
        <translation>无法打开文件“%1”：%2</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>Playback of &apos;%1&apos; stopped at %2 s of its %3 s: the rest of the file cannot be read</source>
        <translation>“%1”播放到第 %2 秒时停止（共 %3 秒）：文件的其余部分无法读取</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="-268"/>
        <source>%1 channels</source>
        <translation>%1 声道</translation>
    </message>
    <message>
        <location filename="../media/outputfile.cpp" line="+87"/>
        <source>Cannot write the output file %1 (%2)</source>
        <translation>无法写入输出文件 %1（%2）</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-424"/>
        <location filename="../media/waveform.cpp" line="-19"/>
        <source>No decoder for the sound of %1</source>
        <translation>没有可解码 %1 声音的解码器</translation>
    </message>
    <message>
        <location filename="../media/sourceinfo.cpp" line="+280"/>
        <location filename="../media/videoedit.cpp" line="+2"/>
        <location line="+538"/>
        <source>Stream %1 of %2 is no sound track</source>
        <translation>%2 的流 %1 不是音轨</translation>
    </message>
    <message>
        <location line="+1"/>
        <location filename="../media/videoedit.cpp" line="-537"/>
        <location line="+538"/>
        <location filename="../media/waveform.cpp" line="-2"/>
        <source>No audio stream in %1</source>
        <translation>%1 中没有音频流</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../media/videoedit.cpp" line="-531"/>
        <location line="+3"/>
        <location line="+533"/>
        <location filename="../media/waveform.cpp" line="+9"/>
        <location line="+3"/>
        <source>Cannot decode the sound of %1</source>
        <translation>无法解码 %1 的声音</translation>
    </message>
    <message>
        <location filename="../media/videoedit.cpp" line="-521"/>
        <location line="+101"/>
        <source>No sound could be decoded from %1</source>
        <translation>未能从 %1 解码出任何声音</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip holds no sound</source>
        <translation>片段中没有声音</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The source ended at %1 of %2</source>
        <translation>源文件在 %1 处结束，总时长为 %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Input ended early: %1 holds %2 s of the %3 s asked for</source>
        <translation>输入提前结束：%1 仅有 %2 秒，而要求的是 %3 秒</translation>
    </message>
    <message>
        <location line="+131"/>
        <location line="+41"/>
        <location line="+14"/>
        <source>Cannot convert the sound of %1</source>
        <translation>无法转换 %1 的声音</translation>
    </message>
    <message>
        <location line="+125"/>
        <source>Cannot convert the sound to %1 Hz, %2 channels</source>
        <translation>无法将声音转换为 %1 Hz、%2 声道</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>The sound could not be extracted from the video</source>
        <translation>无法从视频中提取声音</translation>
    </message>
</context>
<context>
    <name>Mp3Page</name>
    <message>
        <location filename="../formats/mp3/mp3page.ui" line="+6"/>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>CBR</source>
        <translation>CBR</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Joint Stereo</source>
        <translation>联合立体声</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Forced Joint Stereo</source>
        <translation>强制联合立体声</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Dual Channels</source>
        <translation>双声道</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>比特率 (kbps)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Enable VBR</source>
        <translation>启用 VBR</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Max Bitrate (kbps)</source>
        <translation>最大比特率 (kbps)</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
</context>
<context>
    <name>Notify</name>
    <message>
        <location filename="../desktop/notify.cpp" line="+12"/>
        <source>%1 %2 converted, %3 failed</source>
        <translation>已转换 %1 个%2，%3 个失败</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>files</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>OggPage</name>
    <message>
        <location filename="../formats/ogg/oggpage.ui" line="+6"/>
        <source>OGG</source>
        <translation>OGG</translation>
    </message>
    <message>
        <location line="+23"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Normal Bitrate (kbps)</source>
        <translation>标称比特率 (kbps)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>VBR Enabled</source>
        <translation>启用 VBR</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Quality Enabled</source>
        <translation>启用质量</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Min bitrate</source>
        <translation>最小比特率</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+101"/>
        <source>8 kbps</source>
        <translation>8 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>16 kbps</source>
        <translation>16 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>24 kbps</source>
        <translation>24 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>32 kbps</source>
        <translation>32 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>48 kbps</source>
        <translation>48 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>56 kbps</source>
        <translation>56 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>64 kbps</source>
        <translation>64 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>96 kbps</source>
        <translation>96 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>112 kbps</source>
        <translation>112 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>128 kbps</source>
        <translation>128 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>160 kbps</source>
        <translation>160 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>192 kbps</source>
        <translation>192 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>224 kbps</source>
        <translation>224 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>256 kbps</source>
        <translation>256 kbps</translation>
    </message>
    <message>
        <location line="-96"/>
        <location line="+101"/>
        <source>320 kbps</source>
        <translation>320 kbps</translation>
    </message>
    <message>
        <location line="-87"/>
        <location line="+7"/>
        <source>Max bitrate</source>
        <translation>最大比特率</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>Quality(Compression)</source>
        <translation>质量（压缩）</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+7"/>
        <source>Quality</source>
        <translation>质量</translation>
    </message>
</context>
<context>
    <name>OpusPage</name>
    <message>
        <location filename="../formats/opus/opuspage.ui" line="+6"/>
        <source>OPUS</source>
        <translation>OPUS</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Bitrate (kbps)</source>
        <translation>比特率 (kbps)</translation>
    </message>
    <message>
        <location line="+65"/>
        <source>Enable VBR</source>
        <translation>启用 VBR</translation>
    </message>
    <message>
        <location line="+13"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <location filename="../progress/execute.ui" line="+6"/>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+5"/>
        <source>File progress</source>
        <translation>文件进度</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+5"/>
        <source>Total progress</source>
        <translation>总进度</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Time elapsed:</source>
        <translation>已用时间:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time elapsed</source>
        <translation>已用时间</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Time left:</source>
        <translation>剩余时间:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../progress/execute.cpp" line="+85"/>
        <source>File progress %1</source>
        <translation>文件进度 %1</translation>
    </message>
    <message>
        <location line="+64"/>
        <source>Convert %1 to %2...</source>
        <translation>将 %1 转换为 %2...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Convert file %1 of total %2 file(s)</source>
        <translation>正在转换第 %1 个文件，共 %2 个</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Measuring loudness...</source>
        <translation>正在测量响度...</translation>
    </message>
</context>
<context>
    <name>QueueStore</name>
    <message>
        <source>The clip&apos;s times in the saved queue were not times</source>
        <translation>已保存队列中该片段的时间无效</translation>
    </message>
    <message>
        <source>larger than %1 MB</source>
        <translation>大于 %1 MB</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <location filename="../main/queuestore.cpp" line="+137"/>
        <source>The start time &quot;%1&quot; is not a time (hh:mm:ss)</source>
        <translation>开始时间“%1”不是有效时间（hh:mm:ss）</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Unable to create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>not a Clipvox queue</source>
        <translation>不是 Clipvox 队列</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a job without its source or output</source>
        <translation>有任务缺少源文件或输出文件</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>the source no longer exists</source>
        <translation>源文件已不存在</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>The saved queue could not be read (%1). %2 The queue starts empty.</source>
        <translation>无法读取保存的队列（%1）。%2 队列从空开始。</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>It was kept as %1.</source>
        <translation>它已保留为 %1。</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <source>It was left at %1 and will not be saved over.</source>
        <translation>它保留在 %1，不会被覆盖。</translation>
    </message>
</context>
<context>
    <name>RunActivity</name>
    <message>
        <location filename="../desktop/runactivity.cpp" line="+18"/>
        <source>Converting</source>
        <translation>正在转换</translation>
    </message>
</context>
<context>
    <name>RunEngine</name>
    <message numerus="yes">
        <source>%n damaged samples far beyond full scale were clipped</source>
        <translation>
            <numerusform>%n 个远超满刻度的损坏采样已被削波</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="+72"/>
        <source>The encoder does not accept the output settings</source>
        <translation>编码器不接受这些输出设置</translation>
    </message>
    <message>
        <location filename="../formats/mp3/mp3format.cpp" line="+77"/>
        <source>Encoded at %1 kbps: MP3 at %2 Hz cannot carry %3 kbps</source>
        <translation>已按 %1 kbps 编码：%2 Hz 的 MP3 无法承载 %3 kbps</translation>
    </message>
    <message>
        <location filename="../formats/ogg/oggformat.cpp" line="-31"/>
        <source>Incorrect format: the OGG encoder does not accept %1 Hz, %2 channel(s), %3 kbps (minimum %4, maximum %5)</source>
        <translation>格式不正确：OGG 编码器不接受 %1 Hz、%2 声道、%3 kbps（最小 %4，最大 %5）</translation>
    </message>
    <message>
        <location filename="../formats/wav/wavformat.cpp" line="+79"/>
        <source>WAV takes 8, 16 or 24 bits, not %1 Hz, %2 channels, %3 bits</source>
        <translation>WAV 仅支持 8、16 或 24 位，不支持 %1 Hz、%2 声道、%3 位</translation>
    </message>
    <message>
        <location filename="../engine/encodestep.cpp" line="-5"/>
        <source>The output format is not one Clipvox knows</source>
        <translation>Clipvox 无法识别该输出格式</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>The output could not be read back: %1</source>
        <translation>无法读回输出文件：%1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>No sound track %1: the source has no sound</source>
        <translation>没有音轨 %1：源文件没有声音</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No sound track %1: the source has %2</source>
        <translation>没有音轨 %1：源文件只有 %2 条音轨</translation>
    </message>
    <message>
        <location line="+90"/>
        <source>The clip starts at %1 s, after the end of the source (%2 s)</source>
        <translation>片段开始于 %1 秒，晚于源文件的结尾（%2 秒）</translation>
    </message>
    <message>
        <location line="+379"/>
        <source>The clip holds no sound</source>
        <translation>片段中没有声音</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>True peak %1 dBTP, over -1 dBTP</source>
        <translation>真峰值 %1 dBTP，超过 -1 dBTP</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>The tags could not be written: %1</source>
        <translation>无法写入标签：%1</translation>
    </message>
    <message>
        <location filename="../engine/runengine.cpp" line="+93"/>
        <source>Cannot create a file in %1: %2</source>
        <translation>无法在 %1 中创建文件：%2</translation>
    </message>
    <message>
        <location line="+76"/>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <location line="+121"/>
        <source>%1 is a source of this run and was kept</source>
        <translation>%1 是本次转换的源文件，已保留</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+3"/>
        <source>%1 exists and was kept</source>
        <translation>%1 已存在，已保留</translation>
    </message>
    <message>
        <location line="+186"/>
        <source>The album&apos;s ReplayGain could not be written: %1</source>
        <translation>无法写入专辑的 ReplayGain：%1</translation>
    </message>
    <message>
        <location line="+111"/>
        <source>Cannot measure the length of the source: %1</source>
        <translation>无法测量源文件的时长：%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>unknown reason</source>
        <translation>未知原因</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The clip&apos;s start (%1) is past the end of the source (%2 s)</source>
        <translation>片段的开始时间（%1）超出了源文件的结尾（%2 秒）</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The clip&apos;s end (%1) is not after its start (%2)</source>
        <translation>片段的结束时间（%1）不晚于开始时间（%2）</translation>
    </message>
    <message>
        <location line="-75"/>
        <source>Incorrect format</source>
        <translation>格式不正确</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 appeared during the run and was kept</source>
        <translation>%1 在转换过程中出现，已保留</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>The file name knows {name} {title} {artist} {album} {year} {track} {n} and {chapter}, not %1.</source>
        <translation>文件名只识别 {name} {title} {artist} {album} {year} {track} {n} 和 {chapter}，不识别 %1。</translation>
    </message>
    <message>
        <location filename="../settings/setting.ui" line="+14"/>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+9"/>
        <source>Output Directory</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+9"/>
        <source>Output Format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Convert up to</source>
        <translation>最多同时转换</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Files converted at the same time</source>
        <translation>同时转换的文件数</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>files at the same time</source>
        <translation>个文件</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Make loudness even:</source>
        <translation>统一响度:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Make loudness even</source>
        <translation>统一响度</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-23 LUFS</source>
        <translation>-23 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-18 LUFS</source>
        <translation>-18 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-16 LUFS</source>
        <translation>-16 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>-14 LUFS</source>
        <translation>-14 LUFS</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>ReplayGain tags</source>
        <translation>ReplayGain 标签</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Peaks over -1 dBTP:</source>
        <translation>超过 -1 dBTP 的峰值:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Peaks over -1 dBTP</source>
        <translation>超过 -1 dBTP 的峰值</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Limit the peaks: every clip reaches the loudness chosen. Lower the whole clip: nothing is limited, and clips with high peaks stay quieter.</source>
        <translation>限制峰值：每个片段都达到所选的响度。降低整个片段的音量：不做任何限制，峰值较高的片段音量会更低。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Lower the whole clip</source>
        <translation>降低整个片段的音量</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Limit the peaks</source>
        <translation>限制峰值</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>Save to:</source>
        <translation>保存到:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Save to</source>
        <translation>保存到</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The output folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Beside each source</source>
        <translation>各源文件所在的文件夹</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The output folder, keeping the sources&apos; folders</source>
        <translation>输出文件夹，保留源文件的文件夹结构</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>File name:</source>
        <translation>文件名:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>File name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>{name} {title} {artist} {album} {year} {track} {n}; one with nothing to give is {name}</source>
        <translation>{name} {title} {artist} {album} {year} {track} {n}；无值的字段取 {name}</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>If the output file exists:</source>
        <translation>输出文件已存在时:</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>If the output file exists</source>
        <translation>输出文件已存在时</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Replace it</source>
        <translation>替换</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Keep both (add a number)</source>
        <translation>保留两者（添加编号）</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Skip the file</source>
        <translation>跳过该文件</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Copy tags and cover from the source</source>
        <translation>从源文件复制标签和封面</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SoundStrip</name>
    <message>
        <location filename="../clip/soundstrip.cpp" line="+152"/>
        <source>No sound</source>
        <translation>无声音</translation>
    </message>
</context>
<context>
    <name>TimeEntryDialog</name>
    <message>
        <location filename="../clip/edittime.ui" line="+14"/>
        <location line="+18"/>
        <source>Edit Time</source>
        <translation>编辑时间</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;Hours</source>
        <translation>小时(&amp;H)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Minutes</source>
        <translation>分钟(&amp;M)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>S&amp;econds</source>
        <translation>秒(&amp;E)</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Start at</source>
        <translation>开始于(&amp;S)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Start hours</source>
        <translation>开始小时数</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start minutes</source>
        <translation>开始分钟数</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Start seconds</source>
        <translation>开始秒数</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>S&amp;top at</source>
        <translation>停止于(&amp;T)</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Stop hours</source>
        <translation>停止小时数</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop minutes</source>
        <translation>停止分钟数</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Stop seconds</source>
        <translation>停止秒数</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../clip/edittime.cpp" line="+69"/>
        <source>Start time should not be negative.</source>
        <translation>开始时间不能为负数。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should be less than total duration.</source>
        <translation>开始时间应小于总时长。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Stop time should not be negative.</source>
        <translation>停止时间不能为负数。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Stop time should be less than total duration.</source>
        <translation>停止时间应小于总时长。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Start time should not be later than stop time.</source>
        <translation>开始时间不能晚于停止时间。</translation>
    </message>
</context>
<context>
    <name>TipDialog</name>
    <message>
        <location filename="../extras/tip.ui" line="+14"/>
        <source>Tip of the Day</source>
        <translation>每日提示</translation>
    </message>
    <message>
        <location line="+66"/>
        <source>Light bulb</source>
        <translation>灯泡</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Did you know...</source>
        <translation>您知道吗...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Show Tips on Startup</source>
        <translation>启动时显示提示</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Next Tip</source>
        <translation>下一条提示</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <location filename="../extras/tip.cpp" line="+83"/>
        <source>No tips available.</source>
        <translation>没有可用的提示。</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <location filename="../clip/updown.cpp" line="+18"/>
        <source>One more</source>
        <translation>加一</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>One less</source>
        <translation>减一</translation>
    </message>
</context>
<context>
    <name>WavPage</name>
    <message>
        <source>Same as source</source>
        <translation>与源相同</translation>
    </message>
    <message>
        <location filename="../formats/wav/wavpage.ui" line="+6"/>
        <source>WAV</source>
        <translation>WAV</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+7"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location line="+53"/>
        <location line="+7"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+7"/>
        <source>Bits per sample</source>
        <translation>采样位数</translation>
    </message>
</context>
<context>
    <name>WmaPage</name>
    <message>
        <location filename="../formats/wma/wmapage.ui" line="+6"/>
        <source>WMA</source>
        <translation>WMA</translation>
    </message>
    <message>
        <location line="+21"/>
        <location line="+7"/>
        <source>WMA Profile</source>
        <translation>WMA 配置文件</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>one of %1</source>
        <translation>%1 之一</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>a whole number</source>
        <translation>一个整数</translation>
    </message>
    <message>
        <source>unknown setting &quot;%1.%2&quot;; the settings: %3</source>
        <translation>未知设置“%1.%2”；可用设置：%3</translation>
    </message>
    <message>
        <source>%1.%2 takes %3, not &quot;%4&quot;</source>
        <translation>%1.%2 接受%3，而不是“%4”</translation>
    </message>
</context>
<context>
    <name>Presets</name>
    <message>
        <source>Speech and podcasts: MP3 mono 64 kbps, loudness even at -16 LUFS</source>
        <translation>语音和播客：MP3 单声道 64 kbps，响度统一为 -16 LUFS</translation>
    </message>
    <message>
        <source>Music: OGG Vorbis quality 6, ReplayGain album tags, sound unchanged</source>
        <translation>音乐：OGG Vorbis 质量 6，ReplayGain 专辑标签，声音不变</translation>
    </message>
    <message>
        <source>Archive: FLAC at the source&apos;s rate and sample size, sound unchanged</source>
        <translation>存档：FLAC，采用源文件的采样率和采样位数，声音不变</translation>
    </message>
    <message>
        <source>Phone: AAC in M4A 128 kbps, loudness even at -16 LUFS</source>
        <translation>手机：M4A 中的 AAC 128 kbps，响度统一为 -16 LUFS</translation>
    </message>
    <message>
        <source>Editing: WAV 48 kHz 24-bit stereo, sound unchanged</source>
        <translation>剪辑：WAV 48 kHz 24 位立体声，声音不变</translation>
    </message>
    <message>
        <source>Preset file %1 skipped: %2</source>
        <translation>已跳过预设文件 %1：%2</translation>
    </message>
    <message>
        <source>A preset needs a name.</source>
        <translation>预设需要一个名称。</translation>
    </message>
    <message>
        <source>A preset&apos;s name has at most %1 characters.</source>
        <translation>预设名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>A preset&apos;s name cannot start with a dot or a space, nor hold &quot;/&quot; or control characters.</source>
        <translation>预设名称不能以点或空格开头，也不能包含“/”或控制字符。</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>line %1 is no section, key or comment</source>
        <translation>第 %1 行既不是节、键，也不是注释</translation>
    </message>
    <message>
        <source>it sets nothing</source>
        <translation>未设置任何内容</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>名为“%1”的预设已存在。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only.</source>
        <translation>预设“%1”为只读。</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be renamed: %2</source>
        <translation>无法重命名预设“%1”：%2</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; could not be deleted.</source>
        <translation>无法删除预设“%1”。</translation>
    </message>
</context>
<context>
    <name>PresetBar</name>
    <message>
        <source>Pre&amp;set</source>
        <translation>预设(&amp;S)</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Save, rename or delete presets</source>
        <translation>保存、重命名或删除预设</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>重命名(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>%1 (modified)</source>
        <translation>%1（已修改）</translation>
    </message>
    <message>
        <source>Save preset</source>
        <translation>保存预设</translation>
    </message>
    <message>
        <source>Name of the new preset:</source>
        <translation>新预设的名称：</translation>
    </message>
    <message>
        <source>The preset &quot;%1&quot; is read-only: choose another name.</source>
        <translation>预设“%1”为只读：请另选名称。</translation>
    </message>
    <message>
        <source>Replace the preset &quot;%1&quot;?</source>
        <translation>替换预设“%1”？</translation>
    </message>
    <message>
        <source>Rename preset</source>
        <translation>重命名预设</translation>
    </message>
    <message>
        <source>New name of the preset:</source>
        <translation>预设的新名称：</translation>
    </message>
    <message>
        <source>A preset named &quot;%1&quot; exists already.</source>
        <translation>名为“%1”的预设已存在。</translation>
    </message>
    <message>
        <source>Delete preset</source>
        <translation>删除预设</translation>
    </message>
    <message>
        <source>Delete the preset &quot;%1&quot;?</source>
        <translation>删除预设“%1”？</translation>
    </message>
</context>
<context>
    <name>WhenDone</name>
    <message>
        <source>When &amp;done</source>
        <translation>完成后(&amp;D)</translation>
    </message>
    <message>
        <source>When done</source>
        <translation>完成后</translation>
    </message>
    <message>
        <source>Do nothing</source>
        <translation>不执行任何操作</translation>
    </message>
    <message>
        <source>Open the output folder</source>
        <translation>打开输出文件夹</translation>
    </message>
    <message>
        <source>Quit Clipvox</source>
        <translation>退出 Clipvox</translation>
    </message>
    <message>
        <source>Suspend</source>
        <translation>挂起</translation>
    </message>
    <message>
        <source>Power off</source>
        <translation>关机</translation>
    </message>
    <message>
        <source>What follows a run that was not cancelled</source>
        <translation>未取消的转换结束后执行的操作</translation>
    </message>
</context>
<context>
    <name>WhenDoneNotice</name>
    <message>
        <source>Power off now</source>
        <translation>立即关机</translation>
    </message>
    <message>
        <source>Suspend now</source>
        <translation>立即挂起</translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer powers off in %n seconds.</source>
        <translation>
            <numerusform>转换已完成。计算机将在 %n 秒后关机。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The conversion is done. The computer suspends in %n seconds.</source>
        <translation>
            <numerusform>转换已完成。计算机将在 %n 秒后挂起。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SystemPower</name>
    <message>
        <source>The system did not do it: %1</source>
        <translation>系统未执行：%1</translation>
    </message>
</context>
</TS>
