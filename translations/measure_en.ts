<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Devices</name>
    <message>
        <source>[有効] </source>
        <translation>[Up] </translation>
    </message>
    <message>
        <source>[未接続] </source>
        <translation>[Not connected] </translation>
    </message>
    <message>
        <source>[名前の取得に失敗]ネットワークデバイス(%1)</source>
        <translation>[Name not available] Network device (%1)</translation>
    </message>
</context>
<context>
    <name>ItemKinds</name>
    <message>
        <source>物理メモリー情報</source>
        <translation>Physical memory</translation>
    </message>
    <message>
        <source>ページファイル情報</source>
        <translation>Page file</translation>
    </message>
    <message>
        <source>CPU情報</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>リソース情報</source>
        <translation>Resources</translation>
    </message>
    <message>
        <source>ネットワーク受信量(bps)</source>
        <translation>Network receive (bps)</translation>
    </message>
    <message>
        <source>ネットワーク送信量(bps)</source>
        <translation>Network send (bps)</translation>
    </message>
    <message>
        <source>ネットワーク受信量(B/S)</source>
        <translation>Network receive (B/s)</translation>
    </message>
    <message>
        <source>ネットワーク送信量(B/S)</source>
        <translation>Network send (B/s)</translation>
    </message>
    <message>
        <source>ディスク容量情報</source>
        <translation>Disk space</translation>
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
        <source>(判別できません)</source>
        <translation>(Unknown)</translation>
    </message>
    <message>
        <source>(リムーバブルディスク)</source>
        <translation>(Removable disk)</translation>
    </message>
    <message>
        <source>(ハードディスク･ローカルドライブ)</source>
        <translation>(Hard disk, local drive)</translation>
    </message>
    <message>
        <source>(リモート(ネットワーク)ドライブ)</source>
        <translation>(Remote (network) drive)</translation>
    </message>
    <message>
        <source>(CD-ROMドライブなど)</source>
        <translation>(CD-ROM drive etc.)</translation>
    </message>
    <message>
        <source>(RAMディスク)</source>
        <translation>(RAM disk)</translation>
    </message>
    <message>
        <source>(存在しません)</source>
        <translation>(Not present)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>保存エラー</source>
        <translation>Save error</translation>
    </message>
    <message>
        <source>設定ファイルを保存できませんでした｡</source>
        <translation>The settings file could not be saved.</translation>
    </message>
    <message>
        <source>以前の設定ファイルはそのまま残っています｡</source>
        <translation>The previous settings file is left as it was.</translation>
    </message>
    <message>
        <source>%1 - 確認</source>
        <translation>%1 - Confirm</translation>
    </message>
    <message>
        <source>%1を読み込めませんでしたので標準の設定を適用します｡</source>
        <translation>%1 could not be read, so the standard settings are used.</translation>
    </message>
    <message>
        <source>%1が見つかりませんでしたので標準の設定を適用します｡</source>
        <translation>%1 was not found, so the standard settings are used.</translation>
    </message>
    <message>
        <source>%1 - スキンフォルダーの設定</source>
        <translation>%1 - Skin folder</translation>
    </message>
    <message>
        <source>このディレクトリーは見つからなかったためデフォルトのディレクトリーに変更します｡</source>
        <translation>This folder was not found, so the default folder is used instead.</translation>
    </message>
    <message>
        <source>指定されたネットワークデバイス(ID=%1)が見つからないため</source>
        <translation>The chosen network device (ID=%1) was not found, so</translation>
    </message>
    <message>
        <source>の情報を表示します。</source>
        <translation>is shown instead.</translation>
    </message>
    <message>
        <source>ユニット番号 : %1 ,スロット番号 : %2</source>
        <translation>Unit : %1, slot : %2</translation>
    </message>
    <message>
        <source>アイコンメニューの設定変更 - %1</source>
        <translation>Icon menu setting changed - %1</translation>
    </message>
    <message>
        <source>この設定ファイルでアイコンメニューの使用の設定が有効にされましたが、</source>
        <translation>This settings file turns the icon menu on, but</translation>
    </message>
    <message>
        <source>この設定ファイルでアイコンメニューの使用の設定が無効にされましたが、</source>
        <translation>This settings file turns the icon menu off, but</translation>
    </message>
    <message>
        <source>%1の再起動後にこの設定は有効になります。</source>
        <translation>this takes effect after %1 is restarted.</translation>
    </message>
    <message>
        <source>この実行では設定ファイルを書き込みません</source>
        <translation>This run does not write the settings file</translation>
    </message>
    <message>
        <source>%1: 読み込めないファイルは上書きしません</source>
        <translation>%1: a file that cannot be read is not overwritten</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>%1は見つかりませんでしたが、そのバックアップファイルを発見しました｡</source>
        <translation>%1 was not found, but its backup file was.</translation>
    </message>
    <message>
        <source>バックアップファイルを読み込みますか？</source>
        <translation>Read the backup file?</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>%1 が見つかりません</source>
        <translation>%1 was not found</translation>
    </message>
    <message>
        <source>このINIファイルは古いバージョンの「%1」で書かれたファイルです。</source>
        <translation>This INI file was written by an older version of %1.</translation>
    </message>
    <message>
        <source>今バージョンより新しい設定項目が加わりました。新しい設定項目に標準の設定を適用してもよいですか？</source>
        <translation>This version has new settings. Use the standard values for them?</translation>
    </message>
</context>
<context>
    <name>Skin</name>
    <message>
        <source>パラメータ1 : %1, %2, %3</source>
        <translation>Parameters 1 : %1, %2, %3</translation>
    </message>
    <message>
        <source>パラメータ2 : %1, %2, %3, %4</source>
        <translation>Parameters 2 : %1, %2, %3, %4</translation>
    </message>
    <message>
        <source>只今検索中 - %1</source>
        <translation>Searching - %1</translation>
    </message>
    <message>
        <source>Skinのロードを開始します｡</source>
        <translation>Loading the skin.</translation>
    </message>
    <message>
        <source>対象ファイルは%1です。</source>
        <translation>Skin file: %1</translation>
    </message>
    <message>
        <source>ファイルのオープンに成功しました｡</source>
        <translation>The file was opened.</translation>
    </message>
    <message>
        <source>使用する画像ファイルは%1です。</source>
        <translation>Image file: %1</translation>
    </message>
    <message>
        <source>*****エラー発生*****</source>
        <translation>***** Error *****</translation>
    </message>
    <message>
        <source>スキンの画像ファイルが見つかりません。</source>
        <translation>The skin&apos;s image file was not found.</translation>
    </message>
    <message>
        <source>読み込みを中止し、デフォルトのスキンを読み込みます｡</source>
        <translation>Loading stopped; the default skin is loaded instead.</translation>
    </message>
    <message>
        <source>画像ファイルの存在を確認しました｡</source>
        <translation>The image file is there.</translation>
    </message>
    <message>
        <source>このスキンは可変タイプで高さ固定モードです。</source>
        <translation>This skin is resizable with a fixed height.</translation>
    </message>
    <message>
        <source>このスキンは可変タイプで幅固定モードです。</source>
        <translation>This skin is resizable with a fixed width.</translation>
    </message>
    <message>
        <source>このスキンは固定タイプです。</source>
        <translation>This skin has a fixed size.</translation>
    </message>
    <message>
        <source>先頭ユニットデータの読み込みを開始します｡</source>
        <translation>Reading the start unit.</translation>
    </message>
    <message>
        <source>グラフ表示ユニットデータの読み込みを開始します｡</source>
        <translation>Reading the graph unit.</translation>
    </message>
    <message>
        <source>時計ユニットデータの読み込みを開始します｡</source>
        <translation>Reading the clock unit.</translation>
    </message>
    <message>
        <source>終端ユニットデータの読み込みを開始します｡</source>
        <translation>Reading the end unit.</translation>
    </message>
    <message>
        <source>グラフデータの読み込みを開始します｡</source>
        <translation>Reading the graph data.</translation>
    </message>
    <message>
        <source>数字データの読み込みを開始します｡</source>
        <translation>Reading the number fonts.</translation>
    </message>
    <message>
        <source>表示パラメータの読み込みを開始します｡</source>
        <translation>Reading the display parameters.</translation>
    </message>
    <message>
        <source>データファイルの読み込みは正常に終了しました｡</source>
        <translation>The skin file was read without errors.</translation>
    </message>
    <message>
        <source>スキンのサイズを計算し、ウィンドウのサイズを変更します｡</source>
        <translation>Computing the skin size and resizing the window.</translation>
    </message>
    <message>
        <source>画像ファイルの読み込みに移ります</source>
        <translation>Reading the image file</translation>
    </message>
    <message>
        <source>マスクの作成は正常に終了しました｡</source>
        <translation>The mask was made without errors.</translation>
    </message>
    <message>
        <source>*****勧告*****</source>
        <translation>***** Warning *****</translation>
    </message>
    <message>
        <source>マスクの作成に問題がありました｡</source>
        <translation>There was a problem making the mask.</translation>
    </message>
    <message>
        <source>正常に表示されない可能性があります｡</source>
        <translation>The skin may not show correctly.</translation>
    </message>
    <message>
        <source>スキンの読み込みは正常に終了しました｡</source>
        <translation>The skin was loaded without errors.</translation>
    </message>
    <message>
        <source>「デフォルトスキンを使用」のオプションを切り、</source>
        <translation>Turning off the &quot;Use the default skin&quot; option</translation>
    </message>
    <message>
        <source>選択したスキンに切り換えます｡</source>
        <translation>and switching to the chosen skin.</translation>
    </message>
    <message>
        <source>エラー発生</source>
        <translation>An error occurred</translation>
    </message>
    <message>
        <source>デフォルトスキンに切り換えます｡</source>
        <translation>Switching to the default skin.</translation>
    </message>
    <message>
        <source>Skin読み込みエラー</source>
        <translation>Skin load error</translation>
    </message>
    <message>
        <source>ファイルの終わりを超えて入力しようとしました。</source>
        <translation>Input past the end of the file.</translation>
    </message>
</context>
</TS>
