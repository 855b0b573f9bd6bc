<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>CountOptions</name>
    <message>
        <source>--date needs --within or --between</source>
        <translation>--date には --within または --between が必要です</translation>
    </message>
    <message>
        <source>--within and --between cannot be used together</source>
        <translation>--within と --between は同時に使用できません</translation>
    </message>
    <message>
        <source>--date takes created, modified or accessed, not &apos;%1&apos;</source>
        <translation>--date には created、modified、accessed のいずれかを指定します（「%1」は指定できません）</translation>
    </message>
    <message>
        <source>--within takes a number of days or months from 0 to %1</source>
        <translation>--within には 0 から %1 までの日数または月数を指定します</translation>
    </message>
    <message>
        <source>--between takes two dates YYYY-MM-DD, the first not after the second</source>
        <translation>--between には YYYY-MM-DD 形式の日付を 2 つ指定します（1 つ目を 2 つ目より後にはできません）</translation>
    </message>
    <message>
        <source>use only one of --size-at-least, --size-at-most and --size-between</source>
        <translation>--size-at-least、--size-at-most、--size-between のうち 1 つだけを使用してください</translation>
    </message>
    <message>
        <source>--size-between takes two sizes in KB, the first not above the second</source>
        <translation>--size-between には KB 単位のサイズを 2 つ指定します（1 つ目を 2 つ目より大きくはできません）</translation>
    </message>
    <message>
        <source>--%1 takes a size in KB from 0 to %2</source>
        <translation>--%1 には 0 から %2 までの KB 単位のサイズを指定します</translation>
    </message>
    <message>
        <source>--format takes table, csv, tsv or jsonl, not &apos;%1&apos;</source>
        <translation>--format には table、csv、tsv、jsonl のいずれかを指定します（「%1」は指定できません）</translation>
    </message>
    <message>
        <source>--total and --folders cannot be used together</source>
        <translation>--total と --folders は同時に使用できません</translation>
    </message>
    <message>
        <source>--format jsonl lists every file; it takes no --total or --folders</source>
        <translation>--format jsonl はすべてのファイルを出力するため、--total や --folders とは併用できません</translation>
    </message>
    <message>
        <source>--jobs takes a number from 0 to %1</source>
        <translation>--jobs には 0 から %1 までの数を指定します</translation>
    </message>
    <message>
        <source>--no-cache and --recount cannot be used together</source>
        <translation>--no-cache と --recount は同時に使用できません</translation>
    </message>
    <message>
        <source>Search the subfolders too.</source>
        <translation>サブフォルダーも検索します。</translation>
    </message>
    <message>
        <source>Include hidden files.</source>
        <translation>隠しファイルも含めます。</translation>
    </message>
    <message>
        <source>File name patterns, separated by &apos;,&apos; or &apos;;&apos; (default %1; %2 for every file).</source>
        <translation>ファイル名のパターン。&apos;,&apos; または &apos;;&apos; で区切ります（既定は %1、すべてのファイルは %2）。</translation>
    </message>
    <message>
        <source>Which date --within and --between test: created, modified (default) or accessed.</source>
        <extracomment>created, modified and accessed are the words the option takes: they stay in English.</extracomment>
        <translation>--within と --between で調べる日付：created（作成日時）、modified（更新日時、既定）、accessed（最終アクセス日時）。</translation>
    </message>
    <message>
        <source>Files whose date lies within the last N days or months (whole local days).</source>
        <extracomment>N names the option&apos;s value.</extracomment>
        <translation>日付が直近 N 日または N か月以内のファイル（現地時間の日単位）。</translation>
    </message>
    <message>
        <source>Files whose date lies between two days, both included.</source>
        <translation>日付が 2 つの日の間にあるファイル（両日を含む）。</translation>
    </message>
    <message>
        <source>Files of at least KB kilobytes (sizes rounded up to whole KB).</source>
        <extracomment>KB names the option&apos;s value.</extracomment>
        <translation>KB キロバイト以上のファイル（サイズは KB 単位に切り上げ）。</translation>
    </message>
    <message>
        <source>Files of at most KB kilobytes.</source>
        <translation>KB キロバイト以下のファイル。</translation>
    </message>
    <message>
        <source>Files of FROM to TO kilobytes.</source>
        <extracomment>FROM and TO name the option&apos;s two values.</extracomment>
        <translation>FROM から TO キロバイトまでのファイル。</translation>
    </message>
    <message>
        <source>Output: table, csv or tsv (default table on a terminal, else tsv), or jsonl: a result file for brimfold-report.</source>
        <extracomment>table, csv, tsv and jsonl are the format names the option takes: they stay in English.</extracomment>
        <translation>出力形式：table、csv、tsv（既定は端末なら table、それ以外は tsv）、または jsonl（brimfold-report 用の結果ファイル）。</translation>
    </message>
    <message>
        <source>The host a result file names (default this machine&apos;s name).</source>
        <translation>結果ファイルに記録するホスト名（既定はこのコンピューターの名前）。</translation>
    </message>
    <message>
        <source>Write only the totals: files, pages, unreadable files.</source>
        <translation>合計（ファイル数、ページ数、読み取れないファイル数）だけを出力します。</translation>
    </message>
    <message>
        <source>Write one line per folder with files, then the totals.</source>
        <translation>ファイルのあるフォルダーごとに 1 行を出力し、最後に合計を出力します。</translation>
    </message>
    <message>
        <source>Requests in flight at once (default %1; 0 asks one at a time).</source>
        <translation>同時に処理する要求の数（既定は %1。0 なら 1 件ずつ処理します）。</translation>
    </message>
    <message>
        <source>No progress line.</source>
        <translation>進行状況の行を表示しません。</translation>
    </message>
    <message>
        <source>Show the progress line (default when standard error is a terminal).</source>
        <translation>進行状況の行を表示します（標準エラー出力が端末のときの既定）。</translation>
    </message>
    <message>
        <source>Say on standard error how many counts came from the page-count cache.</source>
        <translation>ページ数キャッシュから得た数がいくつあったかを標準エラー出力に表示します。</translation>
    </message>
    <message>
        <source>Neither read nor write the page-count cache: count every file.</source>
        <translation>ページ数キャッシュを読み書きせず、すべてのファイルを数えます。</translation>
    </message>
    <message>
        <source>Count every file and replace what the page-count cache holds for it.</source>
        <translation>すべてのファイルを数え直し、ページ数キャッシュの内容を置き換えます。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>バージョンを表示します。</translation>
    </message>
    <message>
        <source>Show this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Folders to search.</source>
        <translation>検索するフォルダー。</translation>
    </message>
    <message>
        <source>Finds TIFF files in each FOLDER, counts their pages and writes one line per file.</source>
        <extracomment>FOLDER names the program&apos;s arguments.</extracomment>
        <translation>各 FOLDER 内の TIFF ファイルを検索してページ数を数え、ファイルごとに 1 行を出力します。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>使い方：%1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション：</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数：</translation>
    </message>
    <message>
        <source>no FOLDER given</source>
        <translation>FOLDER が指定されていません</translation>
    </message>
</context>
<context>
    <name>CountReport</name>
    <message>
        <source>%1 file(s) found, %2 unreadable, Total Pages : %3</source>
        <translation>ファイル %1 件（読み取り不可 %2 件）、総ページ数：%3</translation>
    </message>
</context>
<context>
    <name>CountRun</name>
    <message>
        <source>counting without the page-count cache: %1</source>
        <translation>ページ数キャッシュを使わずに数えます：%1</translation>
    </message>
    <message>
        <source>cannot search &apos;%1&apos;: it cannot be opened or read</source>
        <translation>「%1」を検索できません：開くことも読み取ることもできません</translation>
    </message>
    <message>
        <source>%1 of %2 counts came from the page-count cache</source>
        <translation>%2 件中 %1 件の数はページ数キャッシュから得ました</translation>
    </message>
    <message>
        <source>interrupted; partial totals: %1 files, %2 pages, %3 unreadable</source>
        <translation>中断しました。途中までの合計：ファイル %1 件、%2 ページ、読み取り不可 %3 件</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>出力を書き込めません：%1</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParsedArguments</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは「%1 --help」を実行してください。</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 files, %2 pages, %3 files/s, %4</source>
        <translation>ファイル %1 件、%2 ページ、毎秒 %3 件、%4</translation>
    </message>
</context>
<context>
    <name>ReportOptions</name>
    <message>
        <source>Make the page report of one or more result files of brimfold-count (--format jsonl), as the window&apos;s Page Report lays it out: what was searched, the totals by size and color, the pages per size class, a table per folder and the files that could not be counted. With no RESULT-FILE, or when it is -, reads standard input. Files from several hosts are merged, their folders named host:/folder.</source>
        <extracomment>RESULT-FILE, host:/folder and - are written as the command line takes them.</extracomment>
        <translation>brimfold-count の結果ファイル（--format jsonl）1 つ以上から、ウィンドウのページレポートと同じレイアウトでページレポートを作成します。内容は、検索した条件、サイズ別とカラー別の合計、サイズ区分ごとのページ数、フォルダーごとの表、数えられなかったファイルです。RESULT-FILE がないとき、または - のときは標準入力を読み込みます。複数のホストのファイルはまとめられ、フォルダーは host:/folder と表記されます。</translation>
    </message>
    <message>
        <source>write the report of everything read to FILE</source>
        <translation>読み込んだすべての内容のレポートを FILE に書き込みます</translation>
    </message>
    <message>
        <source>the organisation line of the title block</source>
        <translation>タイトル欄の組織名の行</translation>
    </message>
    <message>
        <source>the reference line of the title block</source>
        <translation>タイトル欄の参照の行</translation>
    </message>
    <message>
        <source>the paper (default: the locale&apos;s)</source>
        <translation>用紙（既定はロケールの用紙）</translation>
    </message>
    <message>
        <source>also write one report per folder DEPTH levels below the start folders (1: /srv/scans/acme gives acme.pdf), each with that folder&apos;s files alone, from every host</source>
        <extracomment>DEPTH names the option&apos;s value; /srv/scans/acme and acme.pdf are an example.</extracomment>
        <translation>開始フォルダーから DEPTH 階層下のフォルダーごとにもレポートを書き込みます（1 なら /srv/scans/acme から acme.pdf）。各レポートには、すべてのホストのそのフォルダーのファイルだけが入ります</translation>
    </message>
    <message>
        <source>where those go (default: the folder of --output)</source>
        <translation>それらの保存先（既定は --output のフォルダー）</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>プログラムのバージョン</translation>
    </message>
    <message>
        <source>Exit status: 0 when every report was written, 1 for a wrong command line, 2 for a result file that cannot be read (cut off, of a later version, not a result file, or a second one of the same host and folder) or a report that cannot be written; no report is then left half-written, and a file of the same name stays as it was.</source>
        <extracomment>0, 1 and 2 are the exit codes a script reads.</extracomment>
        <translation>終了ステータス：すべてのレポートを書き込めたときは 0、コマンドラインが正しくないときは 1、読み込めない結果ファイル（途中で切れている、より新しいバージョンのもの、結果ファイルではない、同じホストとフォルダーのものが 2 つ目）があるとき、またはレポートを書き込めないときは 2 です。その場合、書きかけのレポートは残らず、同じ名前のファイルは元のままです。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>使い方：%1</translation>
    </message>
    <message>
        <source>say where the report goes with -o FILE</source>
        <translation>レポートの保存先を -o FILE で指定してください</translation>
    </message>
    <message>
        <source>--paper takes a4 or letter, not &apos;%1&apos;</source>
        <translation>--paper には a4 または letter を指定します（「%1」は指定できません）</translation>
    </message>
    <message>
        <source>--per-folder takes a depth from 1 to %1</source>
        <translation>--per-folder には 1 から %1 までの深さを指定します</translation>
    </message>
    <message>
        <source>--folder-reports needs --per-folder</source>
        <translation>--folder-reports には --per-folder が必要です</translation>
    </message>
    <message>
        <source>standard input can be read only once</source>
        <translation>標準入力は 1 回しか読み込めません</translation>
    </message>
</context>
<context>
    <name>ReportRun</name>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>%1 holds the results of %2:%3 a second time; give each search once</source>
        <translation>%1 には %2:%3 の結果が重複しています。各検索は 1 回だけ指定してください</translation>
    </message>
    <message>
        <source>Start folder</source>
        <translation>開始フォルダー</translation>
    </message>
    <message>
        <source>cannot write %1: the name is not UTF-8</source>
        <translation>%1 に書き込めません：名前が UTF-8 ではありません</translation>
    </message>
    <message>
        <source>the PDF could not be written whole</source>
        <translation>PDF を最後まで書き込めませんでした</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>the report of %1 would replace %2; name the whole report otherwise</source>
        <translation>%1 のレポートが %2 を置き換えてしまいます。全体のレポートには別の名前を付けてください</translation>
    </message>
    <message>
        <source>cannot make the folder of %1</source>
        <translation>%1 のフォルダーを作成できません</translation>
    </message>
</context>
<context>
    <name>SearchBar</name>
    <message>
        <source>Include Subfolder</source>
        <translation>サブフォルダーを含める</translation>
    </message>
    <message>
        <source>Show Hidden Files</source>
        <translation>隠しファイルを表示</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Hide Advance Options</source>
        <translation>詳細オプションを隠す</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>検索(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Show Advance Option</source>
        <translation>詳細オプションを表示</translation>
    </message>
    <message>
        <source>Hide Advance Option</source>
        <translation>詳細オプションを隠す</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>dddd, MMMM dd, yyyy</source>
        <extracomment>A date pattern (dddd weekday, MMMM month name, dd day, yyyy year).</extracomment>
        <translation>yyyy年M月d日 dddd</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>総ページ数：%1</translation>
    </message>
    <message>
        <source>No files found to export.</source>
        <translation>エクスポートするファイルが見つかりません。</translation>
    </message>
    <message>
        <source>Meta Data exported successfully to %1</source>
        <translation>メタデータを %1 にエクスポートしました</translation>
    </message>
    <message>
        <source>Unable to export data.</source>
        <translation>データをエクスポートできませんでした。</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>選択したファイルを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Unable to delete file %1</source>
        <translation>ファイル %1 を削除できませんでした</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation>プロパティ...</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>プロパティ</translation>
    </message>
    <message>
        <source>Show Containing Folder</source>
        <translation>保存先のフォルダーを表示</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>選択を反転</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>Folder Totals...</source>
        <translation>フォルダーごとの合計...</translation>
    </message>
    <message>
        <source>Page Report...</source>
        <translation>ページレポート...</translation>
    </message>
    <message>
        <source>Recount Pages</source>
        <translation>ページ数を数え直す</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>設定...</translation>
    </message>
    <message>
        <source>Brimfold Website</source>
        <translation>Brimfold ウェブサイト</translation>
    </message>
    <message>
        <source>Brimfold Help</source>
        <extracomment>The Help menu&apos;s entry for the help pages, which are in English only: please say so, e.g. &quot;Brimfold-Hilfe (auf Englisch)&quot;.</extracomment>
        <translation>Brimfold ヘルプ（英語）</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>%1 of %2 page counts came from the page-count cache</source>
        <translation>%2 件中 %1 件のページ数はページ数キャッシュから取得しました</translation>
    </message>
    <message>
        <source>Page counts not remembered: %1</source>
        <translation>ページ数は記憶されませんでした：%1</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>Website: %1</source>
        <translation>ウェブサイト：%1</translation>
    </message>
    <message>
        <source>Support at: %1</source>
        <translation>サポート：%1</translation>
    </message>
</context>
<context>
    <name>modGlobal</name>
    <message>
        <source>Error occured while reading setting parameters.</source>
        <translation>設定の読み込み中にエラーが発生しました。</translation>
    </message>
</context>
</TS>
