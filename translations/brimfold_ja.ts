<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AdvancedOptionsPanel</name>
    <message>
        <source>Advance Search Options</source>
        <translation>詳細検索オプション</translation>
    </message>
    <message>
        <source>Date</source>
        <extracomment>Turns the date criteria on</extracomment>
        <translation>日付</translation>
    </message>
    <message>
        <source>in the last</source>
        <extracomment>Followed by a number and a unit: files created, modified or accessed in the last 7 days</extracomment>
        <translation>過去</translation>
    </message>
    <message>
        <source>between</source>
        <extracomment>Followed by two dates joined by &quot;and&quot;
----------
Followed by two sizes joined by &quot;to&quot;</extracomment>
        <translation>範囲</translation>
    </message>
    <message>
        <source>and</source>
        <extracomment>Joins the two dates after &quot;between&quot;</extracomment>
        <translation>～</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>Turns the size criteria on</extracomment>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>at</source>
        <extracomment>Followed by a list of &quot;Least&quot; and &quot;Most&quot;, a number and &quot;KB&quot;: at least 100 KB</extracomment>
        <translation>基準</translation>
    </message>
    <message>
        <source>KB</source>
        <extracomment>Kilobytes</extracomment>
        <translation>KB</translation>
    </message>
    <message>
        <source>to</source>
        <extracomment>Joins the two sizes after &quot;between&quot;: between 10 to 20 KB</extracomment>
        <translation>～</translation>
    </message>
</context>
<context>
    <name>CellFormats</name>
    <message>
        <source>%1 page</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>%1 pages</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>pages: what they are worth</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>pages (what the count left out)</comment>
        <translation>%1（%2）</translation>
    </message>
</context>
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
    <name>Criteria</name>
    <message>
        <source>Any date</source>
        <translation>日付の指定なし</translation>
    </message>
    <message>
        <source>A date rule that cannot be read: no file passes</source>
        <translation>読み取れない日付の条件：該当するファイルはありません</translation>
    </message>
    <message>
        <source>%1 between %2 and %3</source>
        <translation>%1：%2～%3</translation>
    </message>
    <message>
        <source>%1 in the last %2 %3 (between %4 and %5)</source>
        <translation>%1：過去 %2 %3（%4～%5）</translation>
    </message>
    <message>
        <source>Any size</source>
        <translation>サイズの指定なし</translation>
    </message>
    <message>
        <source>A size rule that cannot be read: no file passes</source>
        <translation>読み取れないサイズの条件：該当するファイルはありません</translation>
    </message>
    <message>
        <source>Size between %1 and %2 KB</source>
        <translation>サイズ %1～%2 KB</translation>
    </message>
    <message>
        <source>Size at least %1 KB</source>
        <translation>サイズ %1 KB 以上</translation>
    </message>
    <message>
        <source>Size at most %1 KB</source>
        <translation>サイズ %1 KB 以下</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>サブフォルダー</translation>
    </message>
    <message>
        <source>Hidden files</source>
        <translation>隠しファイル</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>CriteriaDefaults</name>
    <message>
        <source>Files Created</source>
        <translation>作成されたファイル</translation>
    </message>
    <message>
        <source>Files Modified</source>
        <translation>更新されたファイル</translation>
    </message>
    <message>
        <source>Files Last Accessed</source>
        <translation>アクセスされたファイル</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>か月</translation>
    </message>
    <message>
        <source>Least</source>
        <extracomment>&quot;Size at Least 100 KB&quot;: files of 100 KB or more</extracomment>
        <translation>最小</translation>
    </message>
    <message>
        <source>Most</source>
        <extracomment>&quot;Size at Most 100 KB&quot;: files of 100 KB or less</extracomment>
        <translation>最大</translation>
    </message>
</context>
<context>
    <name>DesktopLinks</name>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>%1 を開くアプリケーションが設定されていません。</translation>
    </message>
</context>
<context>
    <name>ExportRules</name>
    <message>
        <source>Text Document (*.txt)</source>
        <extracomment>Keep &quot;(*.txt)&quot; at the end as it is</extracomment>
        <translation>テキスト文書 (*.txt)</translation>
    </message>
    <message>
        <source>Excel Worksheet (*.xls)</source>
        <extracomment>Keep &quot;(*.xls)&quot; at the end as it is</extracomment>
        <translation>Excel ワークシート (*.xls)</translation>
    </message>
    <message>
        <source>Word Document (*.doc)</source>
        <extracomment>Keep &quot;(*.doc)&quot; at the end as it is</extracomment>
        <translation>Word 文書 (*.doc)</translation>
    </message>
    <message>
        <source>CSV File (*.csv)</source>
        <extracomment>Keep &quot;(*.csv)&quot; at the end as it is</extracomment>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>File Name must be specified.</source>
        <translation>ファイル名を指定してください。</translation>
    </message>
    <message>
        <source>Column Saperator must be specified.</source>
        <translation>列の区切り文字を指定してください。</translation>
    </message>
</context>
<context>
    <name>FolderTotalColumns</name>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Unreadable</source>
        <translation>読取不可</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>読み取れないファイル</translation>
    </message>
    <message>
        <source>A4-equivalent</source>
        <translation>A4換算</translation>
    </message>
    <message>
        <source>A4-equivalent pages</source>
        <translation>A4換算ページ</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Color pages</source>
        <translation>カラーページ</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>グレー</translation>
    </message>
    <message>
        <source>Grayscale pages</source>
        <translation>グレースケールページ</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>Black-and-white pages</source>
        <translation>白黒ページ</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>モード不明</translation>
    </message>
    <message>
        <source>Pages of unknown mode</source>
        <translation>モード不明のページ</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>サイズ不明</translation>
    </message>
    <message>
        <source>Pages of unknown size</source>
        <translation>サイズ不明のページ</translation>
    </message>
    <message>
        <source>Sizes</source>
        <translation>サイズ</translation>
    </message>
</context>
<context>
    <name>FolderTotals</name>
    <message>
        <source>All folders</source>
        <translation>すべてのフォルダー</translation>
    </message>
</context>
<context>
    <name>FolderTotalsWindow</name>
    <message>
        <source>Folder Totals</source>
        <translation>フォルダー別合計</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>エクスポート...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Export Folder Totals</source>
        <translation>フォルダー別合計のエクスポート</translation>
    </message>
    <message>
        <source>CSV File</source>
        <translation>CSV ファイル</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>%1 にエクスポートしました</translation>
    </message>
    <message>
        <source>Could not export to %1: %2</source>
        <translation>%1 にエクスポートできませんでした：%2</translation>
    </message>
</context>
<context>
    <name>GridModel</name>
    <message>
        <source>The column and row separators must be two different characters.</source>
        <translation>列と行の区切り文字には、異なる 2 つの文字を指定してください。</translation>
    </message>
    <message>
        <source>No device to write to.</source>
        <translation>書き込み先のデバイスがありません。</translation>
    </message>
    <message>
        <source>The file name cannot be used: %1</source>
        <translation>このファイル名は使用できません：%1</translation>
    </message>
    <message>
        <source>No device to read from.</source>
        <translation>読み込み元のデバイスがありません。</translation>
    </message>
</context>
<context>
    <name>PageBreakdownWords</name>
    <message>
        <source>no resolution</source>
        <translation>解像度なし</translation>
    </message>
    <message>
        <source>resolution is zero or no fraction</source>
        <translation>解像度が 0 または分数でない</translation>
    </message>
    <message>
        <source>implausible resolution</source>
        <translation>解像度が不自然</translation>
    </message>
    <message>
        <source>resolution has no unit</source>
        <translation>解像度に単位がない</translation>
    </message>
    <message>
        <source>unknown resolution unit</source>
        <translation>解像度の単位が不明</translation>
    </message>
    <message>
        <source>no width or length</source>
        <translation>幅または長さがない</translation>
    </message>
    <message>
        <source>implausibly large</source>
        <translation>大きすぎて不自然</translation>
    </message>
    <message>
        <source>a value lies past the end of the file</source>
        <translation>値がファイルの末尾より後ろにある</translation>
    </message>
    <message>
        <source>a value lies far from the directory</source>
        <translation>値がディレクトリから離れすぎている</translation>
    </message>
    <message>
        <source>no photometric interpretation</source>
        <translation>測光解釈がない</translation>
    </message>
    <message>
        <source>contradictory tags</source>
        <translation>タグが矛盾している</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a class and why its pages fall in it</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a size class and its pages</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>pages and their capture mode</comment>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>%1 A4-equivalent page</source>
        <translation>A4換算 %1 ページ</translation>
    </message>
    <message>
        <source>%1 A4-equivalent pages</source>
        <translation>A4換算 %1 ページ</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm)</source>
        <translation>%1（%2 × %3 mm）</translation>
    </message>
    <message>
        <source>%1 × %2 landscape</source>
        <translation>%1 × %2 横向き</translation>
    </message>
</context>
<context>
    <name>PageClasses</name>
    <message>
        <source>Fax</source>
        <translation>FAX</translation>
    </message>
    <message>
        <source>Other</source>
        <extracomment>A page size class: pages of a size none of the others is</extracomment>
        <translation>その他</translation>
    </message>
    <message>
        <source>Unknown size</source>
        <translation>サイズ不明</translation>
    </message>
    <message>
        <source>color</source>
        <extracomment>A capture mode, written after a count of pages: &quot;3 color, 2 black and white&quot;</extracomment>
        <translation>カラー</translation>
    </message>
    <message>
        <source>grayscale</source>
        <translation>グレースケール</translation>
    </message>
    <message>
        <source>black and white</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>unknown mode</source>
        <translation>モード不明</translation>
    </message>
</context>
<context>
    <name>PageCountDatabase</name>
    <message>
        <source>the file is not this version&apos;s cache</source>
        <translation>このファイルはこのバージョンのキャッシュではありません</translation>
    </message>
</context>
<context>
    <name>PageCounter</name>
    <message>
        <source>%1 reduced-resolution image</source>
        <translation>縮小解像度の画像 %1 個</translation>
    </message>
    <message>
        <source>%1 reduced-resolution images</source>
        <translation>縮小解像度の画像 %1 個</translation>
    </message>
    <message>
        <source>%1 transparency mask</source>
        <translation>透過マスク %1 個</translation>
    </message>
    <message>
        <source>%1 transparency masks</source>
        <translation>透過マスク %1 個</translation>
    </message>
    <message>
        <source>%1 and %2 not counted</source>
        <translation>ページ数に含めていません：%1、%2</translation>
    </message>
    <message>
        <source>%1 not counted</source>
        <translation>ページ数に含めていません：%1</translation>
    </message>
    <message>
        <source>The pages could not be counted</source>
        <translation>ページ数を数えられませんでした</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>空のファイル</translation>
    </message>
    <message>
        <source>Not a TIFF file</source>
        <translation>TIFF ファイルではありません</translation>
    </message>
    <message>
        <source>The file ends inside its header</source>
        <translation>ファイルがヘッダーの途中で終わっています</translation>
    </message>
    <message>
        <source>The first image directory lies outside the file</source>
        <translation>最初のイメージ ディレクトリがファイルの外にあります</translation>
    </message>
    <message>
        <source>Image directory %1 is cut off by the end of the file</source>
        <translation>イメージ ディレクトリ %1 がファイルの末尾で途切れています</translation>
    </message>
    <message>
        <source>The first image directory is empty</source>
        <translation>最初のイメージ ディレクトリが空です</translation>
    </message>
    <message>
        <source>The first image directory has too many entries</source>
        <translation>最初のイメージ ディレクトリのエントリが多すぎます</translation>
    </message>
    <message>
        <source>The first image directory describes no image</source>
        <translation>最初のイメージ ディレクトリが画像を表していません</translation>
    </message>
    <message>
        <source>The image directories overlap one another</source>
        <translation>イメージ ディレクトリどうしが重なっています</translation>
    </message>
    <message>
        <source>Too many image directories</source>
        <translation>イメージ ディレクトリが多すぎます</translation>
    </message>
    <message>
        <source>The file changed while it was read</source>
        <translation>読み取り中にファイルが変更されました</translation>
    </message>
</context>
<context>
    <name>PageReport</name>
    <message>
        <source>Start folder</source>
        <translation>開始フォルダー</translation>
    </message>
    <message>
        <source>No search has run</source>
        <translation>検索はまだ実行されていません</translation>
    </message>
    <message>
        <source>Search still running: the counts are partial</source>
        <translation>検索の実行中：集計は途中までのものです</translation>
    </message>
    <message>
        <source>No reason given</source>
        <translation>理由の記載なし</translation>
    </message>
    <message>
        <source>Page Report</source>
        <translation>ページ レポート</translation>
    </message>
</context>
<context>
    <name>PageReportChart</name>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>グレースケール</translation>
    </message>
    <message>
        <source>Black and white</source>
        <translation>白黒</translation>
    </message>
    <message>
        <source>Unknown mode</source>
        <translation>モード不明</translation>
    </message>
    <message>
        <source>Files mixing sizes and modes</source>
        <translation>サイズとモードが混在するファイル</translation>
    </message>
    <message>
        <source>No pages counted</source>
        <translation>数えたページはありません</translation>
    </message>
</context>
<context>
    <name>PageReportDocument</name>
    <message>
        <source>Folder (below the start folder)</source>
        <translation>フォルダー（開始フォルダー以下）</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Rows</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Only the rows selected in the results list</source>
        <translation>結果一覧で選択した行のみ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>組織</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>参照番号</translation>
    </message>
    <message>
        <source>Made</source>
        <extracomment>When the report was made: the day and time follow</extracomment>
        <translation>作成日時</translation>
    </message>
    <message>
        <source>By</source>
        <extracomment>Which program made the report: its name and version follow</extracomment>
        <translation>作成プログラム</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>What was searched</source>
        <translation>検索の内容</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>合計</translation>
    </message>
    <message>
        <source>Pages per size class and mode</source>
        <translation>サイズ区分・モード別のページ数</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Unreadable files</source>
        <translation>読み取れないファイル</translation>
    </message>
    <message>
        <source>Counting rules</source>
        <translation>集計のルール</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>None</source>
        <extracomment>No file was unreadable</extracomment>
        <translation>なし</translation>
    </message>
    <message>
        <source>A page is one image of a TIFF file as its chain of image directories lists it; thumbnails and transparency masks are left out. A file whose pages could not be counted is listed as unreadable and adds no pages. A page&apos;s size is its pixel size divided by its resolution; without a usable resolution (missing, zero, below 20 or above 20,000 pixels per inch, or in no absolute unit) the size is unknown, never guessed. A page takes the nearest size class, either way round, when each side is within ISO 216&apos;s tolerance (2 mm on sides up to 600 mm, 3 mm above); a page 1728 pixels wide at 195 to 210 pixels per inch across and 98 or 196 lines per inch down is Fax; any other is Other. A4-equivalent pages: a page of unknown size or of at most the area of an A4 page is worth 1, a larger one its area over the A4 area less 0.05, rounded up (A3 is 2). A page of a size class counts with the class&apos;s own area, so an A0 scanned a few millimetres long is 16; Fax and Other pages count with their measured area. &quot;Captured in&quot; is the mode the file&apos;s tags give a page: color, grayscale or black and white (one bit per pixel).</source>
        <translation>ページとは、TIFF ファイルのイメージ ディレクトリのチェーンに並ぶ 1 つの画像です。サムネイルと透過マスクは数えません。ページを数えられなかったファイルは読み取れないファイルとして一覧に載り、ページ数には加わりません。ページのサイズは、ピクセル数を解像度で割ったものです。使える解像度がない場合（解像度がない、0、1 インチあたり 20 ピクセル未満または 20,000 ピクセル超、絶対単位でない）は、サイズは不明とし、推測はしません。各辺が ISO 216 の許容差（600 mm までの辺は 2 mm、それを超える辺は 3 mm）以内であれば、縦横どちらの向きでも最も近いサイズ区分になります。幅 1728 ピクセルで、横方向 195～210 ピクセル/インチ、縦方向 98 または 196 ライン/インチのページは FAX、それ以外は「その他」です。A4 換算ページ：サイズ不明のページと面積が A4 以下のページは 1、それより大きいページは面積を A4 の面積で割って 0.05 を引き、切り上げた値です（A3 は 2）。サイズ区分に入るページは区分そのものの面積で数えるため、数ミリ長くスキャンされた A0 は 16 です。FAX と「その他」のページは測った面積で数えます。「取り込みモード」は、ファイルのタグがページに与えるモードで、カラー、グレースケール、白黒（1 ピクセル 1 ビット）のいずれかです。</translation>
    </message>
</context>
<context>
    <name>PageReportWindow</name>
    <message>
        <source>Selected rows only</source>
        <translation>選択した行のみ</translation>
    </message>
    <message>
        <source>&lt; Previous</source>
        <translation>&lt; 前へ</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>次へ &gt;</translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation>PDF を保存...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>印刷...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Organisation:</source>
        <translation>組織：</translation>
    </message>
    <message>
        <source>Reference:</source>
        <translation>参照：</translation>
    </message>
    <message>
        <source>Save Page Report</source>
        <translation>ページレポートの保存</translation>
    </message>
    <message>
        <source>PDF File</source>
        <translation>PDF ファイル</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>Could not save the organisation and reference lines to %1</source>
        <translation>組織と参照の行を %1 に保存できませんでした</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Saving %1...</source>
        <translation>%1 を保存しています...</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>%1 に保存しました</translation>
    </message>
    <message>
        <source>Not saved: cancelled</source>
        <translation>保存されませんでした：キャンセルされました</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 を保存できませんでした：%2</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>PDF を書き込めませんでした</translation>
    </message>
    <message>
        <source>Printing...</source>
        <translation>印刷しています...</translation>
    </message>
    <message>
        <source>Sent to the printer</source>
        <translation>プリンターに送信しました</translation>
    </message>
    <message>
        <source>Not printed</source>
        <translation>印刷されませんでした</translation>
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
    <name>PosixDesktopServices</name>
    <message>
        <source>Not a valid file path.</source>
        <translation>有効なファイル パスではありません。</translation>
    </message>
</context>
<context>
    <name>PosixPageCountStore</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 は別のユーザーが所有しています</translation>
    </message>
    <message>
        <source>others can write in %1</source>
        <translation>他のユーザーが %1 に書き込めます</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>Copyright (C) 2026 The Brimfold developers.</source>
        <translation>Copyright (C) 2026 Brimfold 開発者</translation>
    </message>
    <message>
        <source>Copying or distributing this program without the maker&apos;s permission is not allowed.</source>
        <translation>製造元の許可なくこのプログラムを複製または配布することは禁止されています。</translation>
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
    <name>ResultColumns</name>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Modified Date</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
</context>
<context>
    <name>ResultFile</name>
    <message>
        <source>the file ends inside a record</source>
        <translation>レコードの途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>not a result file of brimfold-count</source>
        <translation>brimfold-count の結果ファイルではありません</translation>
    </message>
    <message>
        <source>not a record of a result file</source>
        <translation>結果ファイルのレコードではありません</translation>
    </message>
    <message>
        <source>a search begins before the last one&apos;s end record</source>
        <translation>前の検索の終了レコードより前に次の検索が始まっています</translation>
    </message>
    <message>
        <source>written in a later format (version %1; this program reads %2)</source>
        <translation>より新しい形式で書かれています（バージョン %1、このプログラムが読めるのは %2）</translation>
    </message>
    <message>
        <source>a record after the end record</source>
        <translation>終了レコードの後にレコードがあります</translation>
    </message>
    <message>
        <source>the end record counts %1 files where %2 were read</source>
        <translation>終了レコードのファイル数は %1 ですが、読み取ったのは %2 です</translation>
    </message>
    <message>
        <source>a file&apos;s record without its name or pages</source>
        <translation>名前またはページ数のないファイル レコード</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>the file ends before its end record</source>
        <translation>終了レコードの前にファイルが終わっています</translation>
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
    <name>SearchRecord</name>
    <message>
        <source>Search Terminated by User</source>
        <translation>ユーザーが検索を中止しました</translation>
    </message>
</context>
<context>
    <name>SearchRun</name>
    <message>
        <source>Searching %1</source>
        <translation>検索中：%1</translation>
    </message>
    <message>
        <source>%1 file(s) found</source>
        <translation>ファイル %1 件</translation>
    </message>
    <message>
        <source>Total Pages : %1</source>
        <translation>合計ページ数：%1</translation>
    </message>
    <message>
        <source>Done</source>
        <extracomment>In the status bar: the search has ended</extracomment>
        <translation>完了</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Waiting: every reading thread is held by files that do not answer</source>
        <translation>待機中：すべての読み取りスレッドが、応答しないファイルでふさがっています</translation>
    </message>
</context>
<context>
    <name>SelectionTotal</name>
    <message>
        <source>Selected : %1 file(s), %2 pages</source>
        <translation>選択：%1 ファイル、%2 ページ</translation>
    </message>
    <message>
        <source>Unreadable : %1 file(s)</source>
        <translation>読み取り不可：%1 ファイル</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>A stored setting is no number</extracomment>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>A stored setting is a number out of range</extracomment>
        <translation>オーバーフロー</translation>
    </message>
</context>
<context>
    <name>SqlitePageCountCache</name>
    <message>
        <source>no cache folder is known (HOME and XDG_CACHE_HOME are unset)</source>
        <translation>キャッシュ フォルダーがわかりません（HOME と XDG_CACHE_HOME が設定されていません）</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 を作成できません：%2</translation>
    </message>
    <message>
        <source>%1 is on a network file system</source>
        <translation>%1 はネットワーク ファイル システム上にあります</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません：%2</translation>
    </message>
    <message>
        <source>the file %1 is damaged</source>
        <translation>ファイル %1 が壊れています</translation>
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
    <name>dlgAbout</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>無断複写・転載を禁じます。</translation>
    </message>
    <message>
        <source>Warning: this program is protected by copyright law. Copying or distributing it, in whole or in part, without the maker&apos;s permission is not allowed and may be prosecuted.</source>
        <translation>警告：このプログラムは著作権法によって保護されています。製作者の許可なく、その全部または一部を複製または配布することは禁じられており、法的に罰せられる場合があります。</translation>
    </message>
    <message>
        <source>System Info...</source>
        <translation>システム情報...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>システム情報は現在利用できません</translation>
    </message>
</context>
<context>
    <name>dlgPreferences</name>
    <message>
        <source>Flat</source>
        <extracomment>A style of grid lines: plain lines</extracomment>
        <translation>フラット</translation>
    </message>
    <message>
        <source>Inset</source>
        <extracomment>A style of grid lines: cells look pressed in</extracomment>
        <translation>くぼみ</translation>
    </message>
    <message>
        <source>Raised</source>
        <extracomment>A style of grid lines: cells look raised</extracomment>
        <translation>浮き出し</translation>
    </message>
    <message>
        <source>Flat Horizontal</source>
        <translation>フラット（横線）</translation>
    </message>
    <message>
        <source>Inset Horizontal</source>
        <translation>くぼみ（横線）</translation>
    </message>
    <message>
        <source>Raised Horizontal</source>
        <translation>浮き出し（横線）</translation>
    </message>
    <message>
        <source>Flat Vertical</source>
        <translation>フラット（縦線）</translation>
    </message>
    <message>
        <source>Inset Vertical</source>
        <translation>くぼみ（縦線）</translation>
    </message>
    <message>
        <source>Raised Vertical</source>
        <translation>浮き出し（縦線）</translation>
    </message>
    <message>
        <source>Explorer</source>
        <translation>エクスプローラー</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>Sr#</source>
        <extracomment>Header of the column numbering the rows</extracomment>
        <translation>番号</translation>
    </message>
    <message>
        <source>Column Name</source>
        <translation>列名</translation>
    </message>
    <message>
        <source>Visible</source>
        <extracomment>Header of the column of check boxes that show or hide a results column</extracomment>
        <translation>表示</translation>
    </message>
    <message>
        <source>Select Startup Folder</source>
        <translation>起動時のフォルダーの選択</translation>
    </message>
    <message>
        <source>Bitmap Image</source>
        <translation>ビットマップ画像</translation>
    </message>
    <message>
        <source>JPEG Image</source>
        <translation>JPEG 画像</translation>
    </message>
    <message>
        <source>GIF Image</source>
        <translation>GIF 画像</translation>
    </message>
    <message>
        <source>BackGround Picture</source>
        <translation>背景画像</translation>
    </message>
    <message>
        <source>Line Style</source>
        <translation>線のスタイル</translation>
    </message>
    <message>
        <source>Line Color</source>
        <translation>線の色</translation>
    </message>
    <message>
        <source>Fore Color</source>
        <translation>文字色</translation>
    </message>
    <message>
        <source>Fore Color Selection</source>
        <translation>選択時の文字色</translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>Back Color Selection</source>
        <translation>選択時の背景色</translation>
    </message>
    <message>
        <source>Startup Folder</source>
        <translation>起動時のフォルダー</translation>
    </message>
    <message>
        <source>Export Location</source>
        <translation>エクスポート先</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>OK(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Grid Settings</source>
        <translation>グリッドの設定</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>グリッド線を表示</translation>
    </message>
    <message>
        <source>General Settings</source>
        <translation>全般設定</translation>
    </message>
    <message>
        <source>Column Settings</source>
        <translation>列の設定</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>すべて選択解除</translation>
    </message>
    <message>
        <source>Invert Selection</source>
        <translation>選択の反転</translation>
    </message>
</context>
<context>
    <name>dlgSave</name>
    <message>
        <source>Export</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>ファイルの種類</translation>
    </message>
    <message>
        <source>Column Saperator</source>
        <translation>列の区切り文字</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
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
