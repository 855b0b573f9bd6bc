<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
</TS>
