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
    <message>
        <source>Velquorについての報告および質問</source>
        <translation>Report or question about Velquor</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>時計の調節</source>
        <translation>Set the clock</translation>
    </message>
    <message>
        <source>以下のサーバーへ時間を取得中</source>
        <translation>Asking this server for the time</translation>
    </message>
    <message>
        <source>以下の理由で時間を合わせることができませんでした。</source>
        <translation>The clock could not be set, because:</translation>
    </message>
    <message>
        <source>インターネットに接続されていません</source>
        <translation>Not connected to the internet</translation>
    </message>
    <message>
        <source>サーバー名が記入されていません</source>
        <translation>No time server is set</translation>
    </message>
    <message>
        <source>に調節しました。</source>
        <translation>is the time the clock was set to.</translation>
    </message>
    <message>
        <source>時刻を設定する権限がありません</source>
        <translation>Not allowed to set the time</translation>
    </message>
    <message>
        <source>自動時刻同期が有効なため設定できません</source>
        <translation>Cannot set it while automatic time synchronisation is on</translation>
    </message>
    <message>
        <source>時計はずれていませんでした</source>
        <translation>The clock was right</translation>
    </message>
    <message>
        <source>%1日と</source>
        <translation>%1 d </translation>
    </message>
    <message>
        <source>%1時間</source>
        <translation>%1 h </translation>
    </message>
    <message>
        <source>%1分</source>
        <translation>%1 min </translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1進んでいました</source>
        <translation>The clock was %1 fast</translation>
    </message>
    <message>
        <source>%1遅れていました</source>
        <translation>The clock was %1 slow</translation>
    </message>
    <message>
        <source>%Y年%-m月%-d日%-H時%-M分%-S秒</source>
        <translation>%Y-%m-%d %H:%M:%S</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>認証されませんでした</source>
        <translation>not authorised</translation>
    </message>
    <message>
        <source>時刻設定サービス timedated がありません</source>
        <translation>the time service timedated is missing</translation>
    </message>
    <message>
        <source>時刻設定サービスが応答しません</source>
        <translation>the time service does not answer</translation>
    </message>
    <message>
        <source>システムバスに接続できません</source>
        <translation>cannot connect to the system bus</translation>
    </message>
    <message>
        <source>時刻を設定できませんでした（%1）</source>
        <translation>Could not set the time (%1)</translation>
    </message>
    <message>
        <source>応答が短すぎます（%1バイト、48バイト以上が必要）</source>
        <translation>The reply is too short (%1 bytes, at least 48 needed)</translation>
    </message>
    <message>
        <source>応答がサーバの応答（モード4）ではありません（モード%1）</source>
        <translation>The reply is not a server reply (mode 4) (mode %1)</translation>
    </message>
    <message>
        <source>応答のバージョンが1から4の範囲にありません（%1）</source>
        <translation>The reply&apos;s version is not between 1 and 4 (%1)</translation>
    </message>
    <message>
        <source>サーバが時刻の提供を断りました（キスオブデス %1）</source>
        <translation>The server refused to give the time (kiss-o&apos;-death %1)</translation>
    </message>
    <message>
        <source>サーバの時計が同期していません（閏秒指示子3）</source>
        <translation>The server&apos;s clock is not synchronised (leap indicator 3)</translation>
    </message>
    <message>
        <source>サーバの階層（stratum）が1から15の範囲にありません（%1）</source>
        <translation>The server&apos;s stratum is not between 1 and 15 (%1)</translation>
    </message>
    <message>
        <source>応答の受信時刻が0です</source>
        <translation>The reply&apos;s receive time is 0</translation>
    </message>
    <message>
        <source>応答の送信時刻が0です</source>
        <translation>The reply&apos;s transmit time is 0</translation>
    </message>
    <message>
        <source>応答の送信時刻が受信時刻より前です</source>
        <translation>The reply&apos;s transmit time is before its receive time</translation>
    </message>
    <message>
        <source>この問い合わせへの応答でないものを%1個捨てました</source>
        <translation>Dropped %1 replies that did not answer this request</translation>
    </message>
    <message>
        <source>往復時間が負です（%1、待った時間%2）</source>
        <translation>The round trip is negative (%1, waited %2)</translation>
    </message>
    <message>
        <source>正常に終了しました。</source>
        <translation>Finished successfully.</translation>
    </message>
    <message>
        <source>Socket作成に失敗しました</source>
        <translation>Could not create the socket</translation>
    </message>
    <message>
        <source>受信ポート番号の指定に失敗しました。</source>
        <translation>Could not bind the receiving port.</translation>
    </message>
    <message>
        <source>IPアドレスの指定が間違っている可能性があります。</source>
        <translation>The IP address may be wrong.</translation>
    </message>
    <message>
        <source>送信タイムアウトを設定に失敗しました。</source>
        <translation>Could not set the send timeout.</translation>
    </message>
    <message>
        <source>受信タイムアウトを設定に失敗しました。</source>
        <translation>Could not set the receive timeout.</translation>
    </message>
    <message>
        <source>サーバへの送信に失敗しました。</source>
        <translation>Could not send to the server.</translation>
    </message>
    <message>
        <source>サーバからの受信に失敗しました。</source>
        <translation>Could not receive from the server.</translation>
    </message>
</context>
<context>
    <name>Core</name>
    <message>
        <source>%1 - 起動オプション</source>
        <translation>%1 - Start options</translation>
    </message>
    <message>
        <source>サブクラス不許可モードが指定されました｡</source>
        <translation>Started with subclassing switched off.</translation>
    </message>
    <message>
        <source>サブクラス化を許可しますか｡</source>
        <translation>Allow subclassing?</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>二重起動です。</source>
        <translation>The program is already running.</translation>
    </message>
    <message>
        <source>プログラムを終了します｡</source>
        <translation>This copy ends now.</translation>
    </message>
    <message>
        <source>読んでいません</source>
        <translation>Not read</translation>
    </message>
    <message>
        <source>失敗: %1</source>
        <translation>Failed: %1</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>成功: CPU %1 個
インターフェース: %2
マウント: %3</source>
        <translation>Success: %1 CPUs
Interfaces: %2
Mounts: %3</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>[未接続] </source>
        <translation>[Not connected] </translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Skin実行時エラー</source>
        <translation>Skin run-time error</translation>
    </message>
    <message>
        <source>情報更新時エラー</source>
        <translation>Error while updating values</translation>
    </message>
    <message>
        <source>エラー発生</source>
        <translation>An error occurred</translation>
    </message>
    <message>
        <source>エラー名 : %1 (%2)</source>
        <translation>Error: %1 (%2)</translation>
    </message>
    <message>
        <source>エラー発生個所 : %1プロシージャ</source>
        <translation>Where: procedure %1</translation>
    </message>
    <message>
        <source>プロシージャの呼び出し、または引数が不正です。</source>
        <translation>Invalid procedure call or argument.</translation>
    </message>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Overflow.</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Subscript out of range.</translation>
    </message>
    <message>
        <source>0 で除算しました。</source>
        <translation>Division by zero.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Type mismatch.</translation>
    </message>
    <message>
        <source>ファイル名または番号が不正です。</source>
        <translation>Bad file name or number.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が不足しています。</source>
        <translation>Disk full.</translation>
    </message>
    <message>
        <source>パス名が無効です。</source>
        <translation>Invalid path name.</translation>
    </message>
    <message>
        <source>パスが見つかりません。</source>
        <translation>Path not found.</translation>
    </message>
    <message>
        <source>オブジェクト変数または With ブロック変数が設定されていません。</source>
        <translation>Object variable or With block variable not set.</translation>
    </message>
    <message>
        <source>プロパティの値が不正です。</source>
        <translation>Invalid property value.</translation>
    </message>
    <message>
        <source>アプリケーション定義またはオブジェクト定義のエラーです。</source>
        <translation>Application-defined or object-defined error.</translation>
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
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ファンクションに設定されていたファイル</source>
        <translation>The file set as the function</translation>
    </message>
    <message>
        <source>が見つかりません</source>
        <translation>was not found</translation>
    </message>
    <message>
        <source>テキストエディタが見つかりません</source>
        <translation>No text editor was found</translation>
    </message>
    <message>
        <source>端末が見つかりません</source>
        <translation>No terminal was found</translation>
    </message>
    <message>
        <source>電卓が見つかりません</source>
        <translation>No calculator was found</translation>
    </message>
    <message>
        <source>%1 が見つかりません</source>
        <translation>%1 was not found</translation>
    </message>
    <message>
        <source>を起動できませんでした｡</source>
        <translation>could not be started.</translation>
    </message>
    <message>
        <source>ファンクション登録の確認%1</source>
        <translation>Add a function - %1</translation>
    </message>
    <message>
        <source>ファンクション一覧に</source>
        <translation>Add the file</translation>
    </message>
    <message>
        <source>を加えてもよろしいですか？</source>
        <translation>to the function list?</translation>
    </message>
    <message>
        <source>このファイルをコピーできません｡</source>
        <translation>This file cannot be copied.</translation>
    </message>
    <message>
        <source>送り側と受け取り側のファイルが同じです｡</source>
        <translation>The source and the target are the same file.</translation>
    </message>
    <message>
        <source>上書きの確認%1</source>
        <translation>Replace the file - %1</translation>
    </message>
    <message>
        <source>ファイル %1 はすでに存在します｡</source>
        <translation>The file %1 already exists.</translation>
    </message>
    <message>
        <source>上書きしますか？</source>
        <translation>Replace it?</translation>
    </message>
    <message>
        <source>をコピーできませんでした｡</source>
        <translation>could not be copied.</translation>
    </message>
    <message>
        <source>既定のアプリケーションで開けませんでした (%1: %2)</source>
        <translation>Could not open it with the default application (%1: %2)</translation>
    </message>
    <message>
        <source>終了コード %1</source>
        <translation>exit code %1</translation>
    </message>
    <message>
        <source>[内蔵] %1</source>
        <translation>[built-in] %1</translation>
    </message>
</context>
<context>
    <name>HotKeys</name>
    <message>
        <source>左Windows</source>
        <translation>Left Windows</translation>
    </message>
    <message>
        <source>右Windows</source>
        <translation>Right Windows</translation>
    </message>
    <message>
        <source>変換</source>
        <translation>Henkan</translation>
    </message>
    <message>
        <source>無変換</source>
        <translation>Muhenkan</translation>
    </message>
    <message>
        <source>カタカナ/ひらがな</source>
        <translation>Katakana/Hiragana</translation>
    </message>
    <message>
        <source>半角/全角</source>
        <translation>Hankaku/Zenkaku</translation>
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
    <message>
        <source>%1の設定</source>
        <translation>%1 settings</translation>
    </message>
    <message>
        <source>CPU : %1番</source>
        <translation>CPU : %1</translation>
    </message>
    <message>
        <source>エラー  - %1</source>
        <translation>Error - %1</translation>
    </message>
    <message>
        <source>%1のヘルプファイル</source>
        <translation>The %1 help file</translation>
    </message>
    <message>
        <source>が見つかりませんでした</source>
        <translation>was not found</translation>
    </message>
</context>
<context>
    <name>Remote</name>
    <message>
        <source>応答がありません: %1: %2 秒以内に読み終わりませんでした</source>
        <translation>No answer: %1: not read within %2 seconds</translation>
    </message>
    <message>
        <source>アドレスが正しくありません: %1</source>
        <translation>The address is not valid: %1</translation>
    </message>
    <message>
        <source>応答がありません: %1: %2 秒以内に返事がありませんでした</source>
        <translation>No answer: %1: no reply within %2 seconds</translation>
    </message>
    <message>
        <source>応答が大きすぎます: %1: %2 MiB を超えたので読むのを止めました</source>
        <translation>The answer is too large: %1: stopped reading past %2 MiB</translation>
    </message>
    <message>
        <source>読み込めません: %1: %2</source>
        <translation>Cannot read: %1: %2</translation>
    </message>
    <message>
        <source>接続できません: %1: %2</source>
        <translation>Cannot connect: %1: %2</translation>
    </message>
    <message>
        <source>ノードの測定値ではありません: %1: %2</source>
        <translation>Not a node&apos;s values: %1: %2</translation>
    </message>
    <message>
        <source>応答にnode exporterの値がありません</source>
        <translation>The answer holds no node exporter values</translation>
    </message>
    <message>
        <source>（読めない行 %1）</source>
        <translation> (%1 unreadable lines)</translation>
    </message>
    <message>
        <source>応答がありません</source>
        <translation>No answer</translation>
    </message>
</context>
<context>
    <name>Tray</name>
    <message>
        <source>温度 %1 が限界の %2°C に達しました</source>
        <translation>Temperature %1 reached its limit of %2°C</translation>
    </message>
    <message>
        <source>%1通知</source>
        <translation>%1 notices</translation>
    </message>
    <message>
        <source>物理メモリー</source>
        <translation>Physical memory</translation>
    </message>
    <message>
        <source>ページファイル</source>
        <translation>Page file</translation>
    </message>
    <message>
        <source>リソース</source>
        <translation>Resources</translation>
    </message>
    <message>
        <source>ネットワーク受信量</source>
        <translation>Network received</translation>
    </message>
    <message>
        <source>ネットワーク送信量</source>
        <translation>Network sent</translation>
    </message>
    <message>
        <source>％</source>
        <translation>%</translation>
    </message>
    <message>
        <source>B/秒</source>
        <translation>B/s</translation>
    </message>
    <message>
        <source>温度</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>ファン</source>
        <translation>Fan</translation>
    </message>
    <message>
        <source>ディスク読込</source>
        <translation>Disk read</translation>
    </message>
    <message>
        <source>ディスク書込</source>
        <translation>Disk write</translation>
    </message>
    <message>
        <source>バッテリー</source>
        <translation>Battery</translation>
    </message>
    <message>
        <source>[未接続]</source>
        <translation>[Not connected]</translation>
    </message>
    <message>
        <source>充電中</source>
        <translation>charging</translation>
    </message>
    <message>
        <source>%1残量</source>
        <translation>%1 free</translation>
    </message>
    <message>
        <source>%1使用量</source>
        <translation>%1 used</translation>
    </message>
</context>
</TS>
