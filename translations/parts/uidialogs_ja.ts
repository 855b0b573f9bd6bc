<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
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
    <name>DesktopLinks</name>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>%1 を開くアプリケーションが設定されていません。</translation>
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
</TS>
