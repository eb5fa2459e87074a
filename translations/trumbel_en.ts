<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AboutBox</name>
    <message>
        <source>バージョン情報 - %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>&#x3000;このソフトは、ネットワーク通信量の他、メモリー残量・ページファイル残量・CPU使用率・ユーザーリソース残量計測を行い、その結果を履歴グラフ形式で表示を行うものです｡</source>
        <translation>This program measures network traffic, free memory, free page file, processor load and free user resources, and shows the results as history graphs.</translation>
    </message>
    <message>
        <source>  なお､バグなどがありましたら､ホームページのサポートコーナーへご連絡ください｡</source>
        <translation>If you find a bug, please let us know through the support corner of the home page.</translation>
    </message>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System information is not available at the moment</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>システム情報(&amp;S)...</source>
        <translation>&amp;System Info...</translation>
    </message>
</context>
<context>
    <name>Functions</name>
    <message>
        <source>Googleへアクセス</source>
        <translation>Open Google</translation>
    </message>
    <message>
        <source>エクスプローラ起動</source>
        <translation>Open the file manager</translation>
    </message>
    <message>
        <source>メモ帳起動</source>
        <translation>Open the text editor</translation>
    </message>
    <message>
        <source>電卓起動</source>
        <translation>Open the calculator</translation>
    </message>
    <message>
        <source>コマンドプロンプトを開く</source>
        <translation>Open a terminal</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>(判別できません)</source>
        <translation>(unknown)</translation>
    </message>
    <message>
        <source>(リムーバブルディスク)</source>
        <translation>(removable disk)</translation>
    </message>
    <message>
        <source>(ハードディスク･ローカルドライブ)</source>
        <translation>(hard disk, local drive)</translation>
    </message>
    <message>
        <source>(リモート(ネットワーク)ドライブ)</source>
        <translation>(remote (network) drive)</translation>
    </message>
    <message>
        <source>(CD-ROMドライブなど)</source>
        <translation>(CD-ROM or similar drive)</translation>
    </message>
    <message>
        <source>(RAMディスク)</source>
        <translation>(RAM disk)</translation>
    </message>
    <message>
        <source>%1を実行</source>
        <translation>Run %1</translation>
    </message>
    <message>
        <source>%1について</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source> Function (お気に入り)</source>
        <translation> Function (favorites)</translation>
    </message>
    <message>
        <source> Function (一覧)</source>
        <translation> Function (all)</translation>
    </message>
    <message>
        <source>フォルダーが見つかりません</source>
        <translation>Folder not found</translation>
    </message>
    <message>
        <source>スキンファイルが見つかりません</source>
        <translation>No skin files found</translation>
    </message>
    <message>
        <source> スキンファイル一覧</source>
        <translation> Skin files</translation>
    </message>
    <message>
        <source> 設定切り替え</source>
        <translation> Switch settings</translation>
    </message>
    <message>
        <source>規定値(残量)</source>
        <translation>Default (remaining)</translation>
    </message>
    <message>
        <source>規定値(使用量)</source>
        <translation>Default (used)</translation>
    </message>
    <message>
        <source>規定値</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>履歴グラフを使用する</source>
        <translation>Use the history graph</translation>
    </message>
    <message>
        <source>ディスク容量表示では履歴グラフは使用出来ません</source>
        <translation>No history graph for disk space</translation>
    </message>
    <message>
        <source>%1へ行く</source>
        <translation>Go to %1</translation>
    </message>
    <message>
        <source>リストは存在しません</source>
        <translation>The list is empty</translation>
    </message>
    <message>
        <source>メニュー(&amp;M)</source>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ファンクション(&amp;F)</source>
        <translation>&amp;Function</translation>
    </message>
    <message>
        <source>を実行(&amp;D)</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>お気に入り(&amp;A)</source>
        <translation>F&amp;avorites</translation>
    </message>
    <message>
        <source>全リスト(&amp;L)</source>
        <translation>Full &amp;list</translation>
    </message>
    <message>
        <source>設定画面を表示</source>
        <translation>Show the options page</translation>
    </message>
    <message>
        <source>Functionフォルダを開く</source>
        <translation>Open the Function folder</translation>
    </message>
    <message>
        <source>スキン(&amp;S)</source>
        <translation>&amp;Skin</translation>
    </message>
    <message>
        <source>スキン一覧</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>スキンファイルのリストは存在しません</source>
        <translation>There are no skin files</translation>
    </message>
    <message>
        <source>スキンを探しに行く</source>
        <translation>Find more skins</translation>
    </message>
    <message>
        <source>内蔵のスキンを使用する(&amp;D)</source>
        <translation>&amp;Use the built-in skin</translation>
    </message>
    <message>
        <source>使用する内蔵スキンのタイプ(&amp;T)</source>
        <translation>Built-in skin &amp;type</translation>
    </message>
    <message>
        <source>横型を使用</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>縦型を使用</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>設定切り換え(&amp;C)</source>
        <translation>&amp;Change settings</translation>
    </message>
    <message>
        <source>ユーザー別設定</source>
        <translation>Per-user settings</translation>
    </message>
    <message>
        <source>ファイルのリストは存在しません</source>
        <translation>There are no settings files</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>時計を合わせる(&amp;T)</source>
        <translation>Set the &amp;time</translation>
    </message>
    <message>
        <source>最前面表示                Pause</source>
        <translation>Always on top                Pause</translation>
    </message>
    <message>
        <source>2倍表示</source>
        <translation>Double size</translation>
    </message>
    <message>
        <source>サポートページを開く(&amp;H)</source>
        <translation>Support &amp;home page</translation>
    </message>
    <message>
        <source>exeフォルダーを開く(&amp;E)</source>
        <translation>Op&amp;en the program folder</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>オンラインヘルプ(&amp;Web)</source>
        <translation>Help on the &amp;Web</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>デバイス一覧</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>ネットワークデバイス一覧</source>
        <translation>Network devices</translation>
    </message>
    <message>
        <source>スロットの設定</source>
        <translation>Slot settings</translation>
    </message>
    <message>
        <source>表示項目(&amp;K)</source>
        <translation>&amp;Value shown</translation>
    </message>
    <message>
        <source>物理メモリー情報</source>
        <translation>Physical memory</translation>
    </message>
    <message>
        <source>ページファイル情報</source>
        <translation>Page file (swap)</translation>
    </message>
    <message>
        <source>CPU情報</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>CPU（全体）</source>
        <translation>CPU (all)</translation>
    </message>
    <message>
        <source>リソース情報</source>
        <translation>Resources</translation>
    </message>
    <message>
        <source>ネットワーク受信量(bps表示)</source>
        <translation>Network received (bps)</translation>
    </message>
    <message>
        <source>ネットワーク送信量(bps表示)</source>
        <translation>Network sent (bps)</translation>
    </message>
    <message>
        <source>ネットワーク受信量(B/S表示)</source>
        <translation>Network received (B/s)</translation>
    </message>
    <message>
        <source>ネットワーク送信量(B/S表示)</source>
        <translation>Network sent (B/s)</translation>
    </message>
    <message>
        <source>ディスク容量情報</source>
        <translation>Disk space</translation>
    </message>
    <message>
        <source>ドライブ一覧</source>
        <translation>Drives</translation>
    </message>
    <message>
        <source>未使用ドライブ一覧</source>
        <translation>Unused drives</translation>
    </message>
    <message>
        <source>未使用ドライブ一覧リスト</source>
        <translation>Unused drive list</translation>
    </message>
    <message>
        <source>温度情報</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>ファン回転数</source>
        <translation>Fan speed</translation>
    </message>
    <message>
        <source>ディスク読込量(B/S)</source>
        <translation>Disk read (B/s)</translation>
    </message>
    <message>
        <source>ディスク書込量(B/S)</source>
        <translation>Disk write (B/s)</translation>
    </message>
    <message>
        <source>バッテリー情報</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>GPU情報</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>残量/使用量切り替え</source>
        <translation>Remaining / used</translation>
    </message>
    <message>
        <source>残量表示</source>
        <translation>Show remaining</translation>
    </message>
    <message>
        <source>使用量表示</source>
        <translation>Show used</translation>
    </message>
    <message>
        <source>上に移動</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下に移動</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>ユニットコンテナ</source>
        <translation>Unit container</translation>
    </message>
    <message>
        <source>表示内容</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>グラフを表示する</source>
        <translation>Show a graph</translation>
    </message>
    <message>
        <source>時計を表示する</source>
        <translation>Show a clock</translation>
    </message>
    <message>
        <source>上に挿入</source>
        <translation>Insert above</translation>
    </message>
    <message>
        <source>下に挿入</source>
        <translation>Insert below</translation>
    </message>
    <message>
        <source>このコンテナを削除</source>
        <translation>Delete this container</translation>
    </message>
    <message>
        <source>始端ユニット</source>
        <translation>Start unit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;Visible</translation>
    </message>
    <message>
        <source>非表示(&amp;I)</source>
        <translation>H&amp;idden</translation>
    </message>
    <message>
        <source>終端ユニット</source>
        <translation>End unit</translation>
    </message>
    <message>
        <source>[内蔵] %1</source>
        <translation>[built-in] %1</translation>
    </message>
</context>
</TS>
