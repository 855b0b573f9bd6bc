<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
