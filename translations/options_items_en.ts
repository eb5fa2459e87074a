<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ClockPage</name>
    <message>
        <source>日と</source>
        <translation>days</translation>
    </message>
    <message>
        <source>時間</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>分</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>タイムサーバーの指定 (IPアドレス指定可)</source>
        <translation>Time server (an IP address will do)</translation>
    </message>
    <message>
        <source>タイムサーバー</source>
        <translation>Time server</translation>
    </message>
    <message>
        <source>時計を合わせる</source>
        <translation>Adjust the clock</translation>
    </message>
    <message>
        <source>「%1」起動時に時計を合わせる</source>
        <translation>Adjust the clock when %1 starts</translation>
    </message>
    <message>
        <source>使用するポート(標準：123)</source>
        <translation>Port (standard: 123)</translation>
    </message>
    <message>
        <source>一定時間ごとに時計を合わせる( 1-72時間 )</source>
        <translation>Adjust the clock at intervals (1-72 hours)</translation>
    </message>
    <message>
        <source>時間ごと</source>
        <comment>the field&apos;s name</comment>
        <translation>Hours between adjustments</translation>
    </message>
    <message>
        <source>時間ごと</source>
        <translation>hours</translation>
    </message>
    <message>
        <source>指定した時間だけ時間をずらして合わせる</source>
        <translation>Adjust to a time shifted by the amount below</translation>
    </message>
    <message>
        <source>何もしない</source>
        <translation>No shift</translation>
    </message>
    <message>
        <source>進ませる</source>
        <translation>Ahead</translation>
    </message>
    <message>
        <source>遅らせる</source>
        <translation>Behind</translation>
    </message>
    <message>
        <source>時刻を問い合わせるタイムサーバーです。一覧から選ぶか、ホスト名やIPアドレスを直接入力します。</source>
        <translation>The time server asked for the time. Choose one from the list, or type a host name or an IP address.</translation>
    </message>
    <message>
        <source>いま指定のタイムサーバーに問い合わせて、パソコンの時計を合わせます。</source>
        <translation>Asks the time server now and sets the computer&apos;s clock.</translation>
    </message>
    <message>
        <source>起動するたびに一度、時計を合わせます。</source>
        <translation>Adjusts the clock once each time the program starts.</translation>
    </message>
    <message>
        <source>タイムサーバーに問い合わせるポート番号です。空欄や0以下は標準の123になります。</source>
        <translation>The port the time server is asked on. Empty, 0 or less means the standard 123.</translation>
    </message>
    <message>
        <source>起動している間、指定した時間おきに時計を合わせ直します。</source>
        <translation>While the program runs, adjusts the clock again at the interval given.</translation>
    </message>
    <message>
        <source>時計を合わせ直す間隔です(1～72時間)。</source>
        <translation>How often the clock is adjusted again (1 to 72 hours).</translation>
    </message>
    <message>
        <source>タイムサーバーの時刻から、下で指定した時間だけずらした時刻に合わせます。</source>
        <translation>Sets the clock to the time server&apos;s time shifted by the amount given below.</translation>
    </message>
    <message>
        <source>ずらす向きです。「進ませる」は指定した時間だけ先に、「遅らせる」は後に合わせます。</source>
        <translation>The direction of the shift: “Ahead” sets the clock that much ahead, “Behind” that much behind.</translation>
    </message>
    <message>
        <source>ずらす時間を日・時間・分・秒で指定します。</source>
        <translation>The shift in days, hours, minutes and seconds.</translation>
    </message>
</context>
<context>
    <name>FunctionButtonPage</name>
    <message>
        <source>ホットキー</source>
        <translation>Hot key</translation>
    </message>
    <message>
        <source>ホットキーを使用する</source>
        <translation>Use a hot key</translation>
    </message>
    <message>
        <source>キー</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>「FN」(ファンクション)ボタンの動作設定</source>
        <translation>What the “FN” (function) button does</translation>
    </message>
    <message>
        <source>左クリック時に実行するファンクション</source>
        <translation>Function run on a left click</translation>
    </message>
    <message>
        <source>左クリック時</source>
        <translation>On a left click</translation>
    </message>
    <message>
        <source>を実行</source>
        <translation>is run</translation>
    </message>
    <message>
        <source>全ファンクション一覧</source>
        <translation>All functions</translation>
    </message>
    <message>
        <source>参照</source>
        <translation>Browse</translation>
    </message>
    <message>
        <source>チェックボックスをONにすると「FN」ボタン右クリック時にチェックした項目のみのリストを表示します</source>
        <translation>A right click on the “FN” button lists only the functions checked here</translation>
    </message>
    <message>
        <source>どのウィンドウを使っていても、下のキーの組み合わせで「FN」ボタンの左クリックと同じ動作をします。</source>
        <translation>In whichever window you are, this key combination does what a left click on the “FN” button does.</translation>
    </message>
    <message>
        <source>ホットキーにCtrlキーを含めます。</source>
        <translation>Makes Ctrl part of the hot key.</translation>
    </message>
    <message>
        <source>ホットキーにAltキーを含めます。</source>
        <translation>Makes Alt part of the hot key.</translation>
    </message>
    <message>
        <source>ホットキーにShiftキーを含めます。</source>
        <translation>Makes Shift part of the hot key.</translation>
    </message>
    <message>
        <source>ホットキーに使うキーです。</source>
        <translation>The key of the hot key.</translation>
    </message>
    <message>
        <source>「FN」ボタンを左クリックしたとき（とホットキー）に実行するファンクションを選びます。</source>
        <translation>Choose the function a left click on the “FN” button (and the hot key) runs.</translation>
    </message>
    <message>
        <source>Functionフォルダーのファイルと内蔵機能の一覧です。チェックしたものが「FN」ボタンの右クリックで出るお気に入りになります。</source>
        <translation>The files in the Function folder and the built-in functions. Those checked are the favourites a right click on the “FN” button lists.</translation>
    </message>
    <message>
        <source>Functionフォルダーを開きます。ここにファイルを置くとファンクションとして使えます。</source>
        <translation>Opens the Function folder. A file put there can be used as a function.</translation>
    </message>
    <message>
        <source>ホットキー - %1</source>
        <translation>Hot key - %1</translation>
    </message>
</context>
<context>
    <name>NetworkLimits</name>
    <message>
        <source>過去最高記録は %1</source>
        <translation>Highest so far: %1</translation>
    </message>
</context>
<context>
    <name>NetworkPage</name>
    <message>
        <source>数字表示の最大値</source>
        <translation>Maximum of the numeric display</translation>
    </message>
    <message>
        <source>数字で表示するときの最大値(満量)の決め方です。</source>
        <translation>How the maximum (full scale) of the numeric display is set.</translation>
    </message>
    <message>
        <source>グラフの１００％に相当する値</source>
        <translation>Value at 100% of the graph</translation>
    </message>
    <message>
        <source>グラフがいっぱいになる値の決め方です。</source>
        <translation>How the value that fills the graph is set.</translation>
    </message>
    <message>
        <source>検出されたネットワークアダプタとディスク</source>
        <translation>Network adapters and disks found</translation>
    </message>
    <message>
        <source>受信量</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>送信量</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>%1 値の指定</source>
        <translation>%1: set by</translation>
    </message>
    <message>
        <source>過去%1サンプルの最大値</source>
        <translation>Highest of the last %1 samples</translation>
    </message>
    <message>
        <source>今までに記録した最大値</source>
        <translation>Highest recorded so far</translation>
    </message>
    <message>
        <source>数値を指定</source>
        <translation>Fixed value</translation>
    </message>
    <message>
        <source>%1 単位</source>
        <translation>%1: unit</translation>
    </message>
    <message>
        <source>値の指定</source>
        <translation>Set by</translation>
    </message>
    <message>
        <source>%1「過去…サンプル」は履歴に残っている値の最大、「今までに記録した最大値」は過去最高記録、「数値を指定」は右の欄の値を使います。</source>
        <translation>%1 “Highest of the last … samples” takes the highest value still in the history, “Highest recorded so far” the record, “Fixed value” the value in the field on the right.</translation>
    </message>
    <message>
        <source>「数値を指定」のときの最大値です。</source>
        <translation>The maximum used with “Fixed value”.</translation>
    </message>
    <message>
        <source>指定した最大値の単位です(1K = 1024)。</source>
        <translation>The unit of that maximum (1K = 1024).</translation>
    </message>
    <message>
        <source>固定スキンの場合は以下のネットワークアダプタの状態を調べます</source>
        <translation>A fixed skin shows the state of this network adapter</translation>
    </message>
    <message>
        <source>設定するネットワークアダプタまたはディスクを選びます。</source>
        <translation>Choose the network adapter or disk to set.</translation>
    </message>
    <message>
        <source>受信量(ディスクでは読込量)の最大値を設定します。</source>
        <translation>Sets the maximum of what is received (for a disk, read).</translation>
    </message>
    <message>
        <source>送信量(ディスクでは書込量)の最大値を設定します。</source>
        <translation>Sets the maximum of what is sent (for a disk, written).</translation>
    </message>
    <message>
        <source>このアダプタでこれまでに記録した一番大きな転送量です。</source>
        <translation>The highest transfer rate this adapter has recorded so far.</translation>
    </message>
    <message>
        <source>項目を選べない固定タイプのスキンで、状態を表示するネットワークアダプタです。</source>
        <translation>The network adapter whose state a fixed skin, one without a choice of items, shows.</translation>
    </message>
    <message>
        <source>ディスク %1</source>
        <translation>Disk %1</translation>
    </message>
    <message>
        <source>読込量</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>書込量</source>
        <translation>Written</translation>
    </message>
</context>
<context>
    <name>OptionsHost</name>
    <message>
        <source>この実行ではリモートホストを読めません</source>
        <translation>This run cannot read remote hosts</translation>
    </message>
</context>
<context>
    <name>OptionsLists</name>
    <message>
        <source>(標準)</source>
        <translation>(Standard)</translation>
    </message>
    <message>
        <source>残量を表示</source>
        <translation>Show what remains</translation>
    </message>
    <message>
        <source>使用量を表示</source>
        <translation>Show what is used</translation>
    </message>
    <message>
        <source>自動吸着しない</source>
        <translation>No automatic snapping</translation>
    </message>
    <message>
        <source>アクティブウィンドウに吸着</source>
        <translation>Snap to the active window</translation>
    </message>
    <message>
        <source>指定したウィンドウにのみ吸着</source>
        <translation>Snap only to the chosen windows</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>0.5秒</source>
        <translation>0.5 s</translation>
    </message>
    <message>
        <source>1秒</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>1.5秒</source>
        <translation>1.5 s</translation>
    </message>
    <message>
        <source>2秒</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>2.5秒</source>
        <translation>2.5 s</translation>
    </message>
    <message>
        <source>3秒</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>このキーは文字の入力や編集に使われるため、単独ではホットキーにできません。<byte value="xd"/>
Ctrl・Alt・Shiftのいずれかと組み合わせてください。</source>
        <translation>This key types or edits text, so it cannot be a hot key on its own.<byte value="xd"/>
Combine it with Ctrl, Alt or Shift.</translation>
    </message>
    <message>
        <source>動作なし</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>ポップアップニューを表示</source>
        <translation>Show the popup menu</translation>
    </message>
    <message>
        <source>ファンクションを実行</source>
        <translation>Run the function</translation>
    </message>
    <message>
        <source>ファンクションの一覧を表示</source>
        <translation>Show the list of functions</translation>
    </message>
    <message>
        <source>ファンクションのお気に入りを表示</source>
        <translation>Show the favourite functions</translation>
    </message>
    <message>
        <source>スキンファイルの一覧を表示</source>
        <translation>Show the list of skin files</translation>
    </message>
    <message>
        <source>オプションを開く</source>
        <translation>Open the options</translation>
    </message>
    <message>
        <source>オプション[基本設定]を開く</source>
        <translation>Open the options [Basic]</translation>
    </message>
    <message>
        <source>オプション[ウィンドウ表示設定]を開く</source>
        <translation>Open the options [Window]</translation>
    </message>
    <message>
        <source>オプション[位置情報設定]を開く</source>
        <translation>Open the options [Position]</translation>
    </message>
    <message>
        <source>オプション[Skin設定]を開く</source>
        <translation>Open the options [Skin]</translation>
    </message>
    <message>
        <source>オプション[拡張Skin設定]を開く</source>
        <translation>Open the options [Extended skin]</translation>
    </message>
    <message>
        <source>オプション[タスクアイコンの設定]を開く</source>
        <translation>Open the options [Tray icons]</translation>
    </message>
    <message>
        <source>オプション[｢FN｣ボタンの設定]を開く</source>
        <translation>Open the options [“FN” button]</translation>
    </message>
    <message>
        <source>オプション[ネットワーク関連]を開く</source>
        <translation>Open the options [Network]</translation>
    </message>
    <message>
        <source>外部保存設定の一覧を表示</source>
        <translation>Show the list of saved settings</translation>
    </message>
    <message>
        <source>exeフォルダを表示</source>
        <translation>Show the program folder</translation>
    </message>
    <message>
        <source>Functionフォルダを表示</source>
        <translation>Show the Function folder</translation>
    </message>
    <message>
        <source>Skinフォルダを表示</source>
        <translation>Show the Skin folder</translation>
    </message>
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
    <message>
        <source>CPU（全体）</source>
        <translation>CPU (all)</translation>
    </message>
    <message>
        <source>CPU : %1番</source>
        <translation>CPU : #%1</translation>
    </message>
</context>
<context>
    <name>RemoteHostsPage</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>スロットやメニューでの呼び名です(例: nas)。</source>
        <translation>What slots and menus call it (e.g. nas).</translation>
    </message>
    <message>
        <source>アドレス</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>node exporterのアドレス(例: http://nas:9100/metrics)、またはPrometheusサーバーのアドレス(例: http://prom:9090)です。</source>
        <translation>The address of a node exporter (e.g. http://nas:9100/metrics) or of a Prometheus server (e.g. http://prom:9090).</translation>
    </message>
    <message>
        <source>インスタンス</source>
        <translation>Instance</translation>
    </message>
    <message>
        <source>Prometheusサーバーから読むときの instance ラベル(例: nas:9100)。exporterを直接読むときは空にします。</source>
        <translation>The instance label when reading from a Prometheus server (e.g. nas:9100). Leave it empty when reading an exporter directly.</translation>
    </message>
    <message>
        <source>トークン</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>Bearerトークン。設定ファイルは所有者だけが読めるように書かれます。</source>
        <translation>Bearer token. The settings file is written so that only its owner can read it.</translation>
    </message>
    <message>
        <source>ユーザー</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Basic認証のユーザー名。</source>
        <translation>User name for basic authentication.</translation>
    </message>
    <message>
        <source>パスワード</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Basic認証のパスワード。設定ファイルは所有者だけが読めるように書かれます。</source>
        <translation>Password for basic authentication. The settings file is written so that only its owner can read it.</translation>
    </message>
    <message>
        <source>(名前なし)</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>リモートホスト (node exporter / Prometheus)</source>
        <translation>Remote hosts (node exporter / Prometheus)</translation>
    </message>
    <message>
        <source>リモートホスト</source>
        <translation>Remote hosts</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>接続テスト</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>スロットやタスクアイコンに表示できる他のコンピューターです。選んだホストの設定を下で編集します。</source>
        <translation>Other computers that slots and tray icons can show. The selected host&apos;s settings are edited below.</translation>
    </message>
    <message>
        <source>ホストを追加します。</source>
        <translation>Adds a host.</translation>
    </message>
    <message>
        <source>選んだホストを削除します。それを表示していたスロットとアイコンはこのコンピューターを表示します。</source>
        <translation>Removes the selected host. Slots and icons that showed it show this computer instead.</translation>
    </message>
    <message>
        <source>選んだホストを一度読み、CPUの数・インターフェース・マウントか、読めなかった理由を表示します。</source>
        <translation>Reads the selected host once and shows its number of CPUs, its interfaces and mounts, or why it could not be read.</translation>
    </message>
    <message>
        <source>更新間隔</source>
        <translation>Update interval</translation>
    </message>
    <message>
        <source>リモートホストを読む間隔です(1000ms以上)。</source>
        <translation>How often remote hosts are read (1000 ms or more).</translation>
    </message>
    <message>
        <source>接続テストの結果</source>
        <translation>Connection test result</translation>
    </message>
    <message>
        <source>接続しています…</source>
        <translation>Connecting…</translation>
    </message>
</context>
<context>
    <name>TrayPage</name>
    <message>
        <source>タスクトレイにアイコンを表示する</source>
        <translation>Show icons in the system tray</translation>
    </message>
    <message>
        <source>アイコンに表示する項目</source>
        <translation>What the icons show</translation>
    </message>
    <message>
        <source>アイコン一覧</source>
        <translation>Icons</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>表示デバイス</source>
        <translation>Device shown</translation>
    </message>
    <message>
        <source>アイコン表示に使用する画像</source>
        <translation>Picture for the icons</translation>
    </message>
    <message>
        <source>アイコン表示更新間隔</source>
        <translation>Icon update interval</translation>
    </message>
    <message>
        <source>タスクアイコンの動作設定</source>
        <translation>What clicking the tray icon does</translation>
    </message>
    <message>
        <source>左クリック時の動作</source>
        <translation>Left click</translation>
    </message>
    <message>
        <source>トレイのアイコンを左クリックしたときに行う動作を選びます。</source>
        <translation>Choose what a left click on the tray icon does.</translation>
    </message>
    <message>
        <source>ダブルクリック時の動作</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>トレイのアイコンをダブルクリックしたときに行う動作を選びます。</source>
        <translation>Choose what a double click on the tray icon does.</translation>
    </message>
    <message>
        <source>右クリック時の動作</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>トレイのアイコンを右クリックしたときに行う動作を選びます。</source>
        <translation>Choose what a right click on the tray icon does.</translation>
    </message>
    <message>
        <source>右ダブルクリック時の動作</source>
        <translation>Right double click</translation>
    </message>
    <message>
        <source>トレイのアイコンを右ダブルクリックしたときに行う動作を選びます。</source>
        <translation>Choose what a right double click on the tray icon does.</translation>
    </message>
    <message>
        <source>通知領域（タスクトレイ）に、測った値を小さな棒で表すアイコンを出します。</source>
        <translation>Puts icons in the notification area (system tray) that show measured values as small bars.</translation>
    </message>
    <message>
        <source>表示するアイコンの一覧です（最大8個）。選んだアイコンの項目を下で変えられます。</source>
        <translation>The icons shown (8 at most). The item of the selected icon can be changed below.</translation>
    </message>
    <message>
        <source>アイコンを1つ増やします。</source>
        <translation>Adds an icon.</translation>
    </message>
    <message>
        <source>選んだアイコンを取り除きます。</source>
        <translation>Removes the selected icon.</translation>
    </message>
    <message>
        <source>選んだアイコンが表示する項目です。</source>
        <translation>The item the selected icon shows.</translation>
    </message>
    <message>
        <source>CPU・ネットワーク・ディスクでは、どの装置の値を表示するかを選びます。</source>
        <translation>For CPU, network and disk: choose which device&apos;s value is shown.</translation>
    </message>
    <message>
        <source>Iconフォルダーにあるアイコン用の画像ファイルです。空欄なら組み込みの画像を使います。</source>
        <translation>A picture file for icons from the Icon folder. When empty, the built-in picture is used.</translation>
    </message>
    <message>
        <source>アイコンの表示を何秒ごとに新しくするかを選びます。</source>
        <translation>Choose how often the icons are updated.</translation>
    </message>
</context>
</TS>
