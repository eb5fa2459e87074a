<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BasicPage</name>
    <message>
        <source>%1ピクセル内は吸着</source>
        <translation>Snap within %1 pixels</translation>
    </message>
    <message>
        <source>吸着</source>
        <translation>Snapping</translation>
    </message>
    <message>
        <source>デスクトップ端に吸着</source>
        <translation>Snap to the screen edges</translation>
    </message>
    <message>
        <source>タスクバーにも吸着</source>
        <translation>Snap to the taskbar too</translation>
    </message>
    <message>
        <source>強さ調節</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>弱</source>
        <translation>Weak</translation>
    </message>
    <message>
        <source>強</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>スタートアップに登録する</source>
        <translation>Start when I log in</translation>
    </message>
    <message>
        <source>履歴グラフ</source>
        <translation>History graphs</translation>
    </message>
    <message>
        <source>右へ</source>
        <translation>Scroll right</translation>
    </message>
    <message>
        <source>左へ</source>
        <translation>Scroll left</translation>
    </message>
    <message>
        <source>サンプル時間</source>
        <translation>Sample time</translation>
    </message>
    <message>
        <source>全部の値の平均を求める</source>
        <translation>Average of all values</translation>
    </message>
    <message>
        <source>最も値の大きいものを選択</source>
        <translation>Largest value</translation>
    </message>
    <message>
        <source>オプションを開いた時に最後に使用したページを開く</source>
        <translation>Open the options at the page used last</translation>
    </message>
    <message>
        <source>アイコン付きメニューを使用する (Velquorの再起動が必要です)</source>
        <translation>Menus with icons (takes effect when Velquor restarts)</translation>
    </message>
    <message>
        <source>Windows2000・XP専用拡張設定</source>
        <translation>Windows 2000/XP extended settings</translation>
    </message>
    <message>
        <source>メイン画面を半透明にする</source>
        <translation>Make the main window translucent</translation>
    </message>
    <message>
        <source>ウィンドウの一部を透明にする</source>
        <translation>Make parts of the window transparent</translation>
    </message>
    <message>
        <source>半透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>ドラッグ中のウィンドウが画面の端に近づくと、端にぴったりくっつけます。</source>
        <translation>When the window is dragged near an edge of the screen, it sticks to the edge.</translation>
    </message>
    <message>
        <source>画面の端だけでなく、パネル（タスクバー）の縁にもくっつけます。</source>
        <translation>Sticks to the edges of panels (taskbars) as well as to the screen edges.</translation>
    </message>
    <message>
        <source>何ピクセル以内に近づいたらくっつけるかを決めます。右へ動かすほど遠くから吸い寄せられます。</source>
        <translation>How close, in pixels, the window must come before it sticks. The further right, the further away it is pulled in.</translation>
    </message>
    <message>
        <source>ログインしたときに自動で起動するよう、デスクトップの自動起動フォルダーに登録します。「決定」か「適用」で反映されます。</source>
        <translation>Adds the program to the desktop&apos;s autostart folder so that it starts when you log in. Takes effect with &quot;OK&quot; or &quot;Apply&quot;.</translation>
    </message>
    <message>
        <source>履歴グラフの新しい値を左端に描き、古い値を右へ流します。</source>
        <translation>History graphs draw new values at the left and move older ones to the right.</translation>
    </message>
    <message>
        <source>履歴グラフの新しい値を右端に描き、古い値を左へ流します。</source>
        <translation>History graphs draw new values at the right and move older ones to the left.</translation>
    </message>
    <message>
        <source>履歴グラフの１目盛りが何秒分の値をまとめるかを選びます。</source>
        <translation>How many seconds of values one step of a history graph gathers.</translation>
    </message>
    <message>
        <source>１目盛りの間に測った値の平均をグラフにします。</source>
        <translation>The graph shows the average of the values measured during one step.</translation>
    </message>
    <message>
        <source>１目盛りの間に測った値のうち、最も大きいものをグラフにします。</source>
        <translation>The graph shows the largest of the values measured during one step.</translation>
    </message>
    <message>
        <source>このダイアログを次に開いたとき、最後に見ていたページから始めます。</source>
        <translation>The next time this dialog opens, it starts at the page you looked at last.</translation>
    </message>
    <message>
        <source>メニューの項目にアイコンを付けます。次に起動したときから有効になります。</source>
        <translation>Shows icons beside the menu items. Takes effect from the next start.</translation>
    </message>
    <message>
        <source>メイン画面を下の「半透明度」に合わせて透かします。設定は保存されず、合成マネージャーが必要です。</source>
        <translation>Lets the main window show through by the &quot;Opacity&quot; below. Not saved; needs a compositing manager.</translation>
    </message>
    <message>
        <source>スキンの透過色の部分をくり抜き、後ろのウィンドウが見えるようにします。</source>
        <translation>Cuts out the skin&apos;s transparent colour so the windows behind show through.</translation>
    </message>
    <message>
        <source>半透明にしたときの濃さです。右端で不透明になります。</source>
        <translation>How opaque the translucent window is. Fully opaque at the right end.</translation>
    </message>
</context>
<context>
    <name>LayoutPage</name>
    <message>
        <source>ユニットとスロットの構成</source>
        <translation>Units and slots</translation>
    </message>
    <message>
        <source>設定したい項目を右クリックしてください</source>
        <translation>Right-click the item you want to set up</translation>
    </message>
    <message>
        <source>最新の情報に更新(&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>アダプタやドライブの今の状態で表示し直します。</source>
        <translation>Shows the tree again with the adapters and drives as they are now.</translation>
    </message>
</context>
<context>
    <name>LayoutTree</name>
    <message>
        <source>ユニットコンテナ[%1]</source>
        <translation>Unit container [%1]</translation>
    </message>
    <message>
        <source> (時計表示)</source>
        <translation> (clock)</translation>
    </message>
    <message>
        <source> (履歴グラフ表示)</source>
        <translation> (history graph)</translation>
    </message>
    <message>
        <source> (棒グラフ表示)</source>
        <translation> (bar graph)</translation>
    </message>
    <message>
        <source>[表示]</source>
        <translation>[Shown] </translation>
    </message>
    <message>
        <source>[非表示]</source>
        <translation>[Hidden] </translation>
    </message>
    <message>
        <source>メインウィンドウ</source>
        <translation>Main window</translation>
    </message>
    <message>
        <source>始端ユニット</source>
        <translation>Start unit</translation>
    </message>
    <message>
        <source>データ表示領域(ユニットコンテナ)</source>
        <translation>Data area (unit containers)</translation>
    </message>
    <message>
        <source>終端ユニット</source>
        <translation>End unit</translation>
    </message>
    <message>
        <source>このコンピューター</source>
        <translation>This computer</translation>
    </message>
</context>
<context>
    <name>OldLayoutPage</name>
    <message>
        <source>この項目は設定できません</source>
        <translation>Not settable for this item</translation>
    </message>
    <message>
        <source>ユニットコンテナ[%1]</source>
        <translation>Unit container [%1]</translation>
    </message>
    <message>
        <source> (非表示)</source>
        <translation> (hidden)</translation>
    </message>
    <message>
        <source> (時計表示)</source>
        <translation> (clock)</translation>
    </message>
    <message>
        <source> (履歴グラフ表示)</source>
        <translation> (history graph)</translation>
    </message>
    <message>
        <source> (棒グラフ表示)</source>
        <translation> (bar graph)</translation>
    </message>
    <message>
        <source>今使っているスキンは固定タイプなので拡張設定は使用できません</source>
        <translation>The skin in use has a fixed layout, so its layout cannot be edited</translation>
    </message>
    <message>
        <source>ユニットコンテナ</source>
        <translation>Unit containers</translation>
    </message>
    <message>
        <source>上に挿入</source>
        <translation>Insert above</translation>
    </message>
    <message>
        <source>下に追加</source>
        <translation>Add below</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上に移動</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>グラフを表示する</source>
        <translation>Show graphs</translation>
    </message>
    <message>
        <source>時計を表示する</source>
        <translation>Show a clock</translation>
    </message>
    <message>
        <source>履歴グラフを使用する</source>
        <translation>Use a history graph</translation>
    </message>
    <message>
        <source>このユニットを表示する</source>
        <translation>Show this unit</translation>
    </message>
    <message>
        <source>表示項目</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>表示デバイス</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>スロット%1</source>
        <translation>Slot %1</translation>
    </message>
    <message>
        <source>表示項目%1</source>
        <translation>Item %1</translation>
    </message>
    <message>
        <source>表示デバイス%1</source>
        <translation>Device %1</translation>
    </message>
    <message>
        <source>表示するユニットコンテナの並びです。選んだコンテナを下で設定します。</source>
        <translation>The unit containers in display order. The chosen one is set up below.</translation>
    </message>
    <message>
        <source>選んだコンテナまでを表示します。外すと、このコンテナから後ろを表示しません。</source>
        <translation>Shows the containers up to the chosen one. Unchecked, this container and those after it are not shown.</translation>
    </message>
    <message>
        <source>選んだコンテナにスロットのグラフを表示します。</source>
        <translation>The chosen container shows its slots as graphs.</translation>
    </message>
    <message>
        <source>選んだコンテナに時計を表示します。</source>
        <translation>The chosen container shows a clock.</translation>
    </message>
    <message>
        <source>グラフを棒グラフではなく履歴グラフにします。履歴グラフは最初のスロットだけを表示します。</source>
        <translation>Shows a history graph instead of bar graphs. A history graph shows the first slot only.</translation>
    </message>
    <message>
        <source>このスロットに表示する項目です。</source>
        <translation>What this slot shows.</translation>
    </message>
    <message>
        <source>CPU、ネットワークアダプタ、ドライブのどれを表示するかです。</source>
        <translation>Which processor, network adapter or drive the slot shows.</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>設定ファイル (*.ini)</source>
        <translation>Settings files (*.ini)</translation>
    </message>
    <message>
        <source>%1のオプション</source>
        <translation>%1 Options</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>適用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>このページをリセット</source>
        <translation>Reset this page</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>すべてのデータをリセットします｡<byte value="xd"/>
よろしいですか？</source>
        <translation>All settings will be reset.<byte value="xd"/>
Are you sure?</translation>
    </message>
    <message>
        <source>リセット</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>全設定をリセット</source>
        <translation>Reset all settings</translation>
    </message>
    <message>
        <source>設定ファイルの保存</source>
        <translation>Save settings file</translation>
    </message>
    <message>
        <source>設定ファイルを開く</source>
        <translation>Open settings file</translation>
    </message>
</context>
<context>
    <name>OptionsPages</name>
    <message>
        <source>%1%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>基本機能</source>
        <translation>Basic</translation>
    </message>
    <message>
        <source>Skin設定</source>
        <translation>Skin</translation>
    </message>
    <message>
        <source>拡張Skin設定</source>
        <translation>Skin layout</translation>
    </message>
    <message>
        <source>「FN」ボタン</source>
        <translation>FN button</translation>
    </message>
    <message>
        <source>の設定</source>
        <translation>settings</translation>
    </message>
    <message>
        <source>タスクアイコン</source>
        <translation>Tray icons</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>settings</translation>
    </message>
    <message>
        <source>時計合わせ</source>
        <translation>Clock sync</translation>
    </message>
    <message>
        <source>位置情報</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>ウィンドウ</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>表示設定</source>
        <translation>display</translation>
    </message>
    <message>
        <source>ネットワーク</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>関連</source>
        <translation>settings</translation>
    </message>
    <message>
        <source>(旧式)</source>
        <translation>(old editor)</translation>
    </message>
    <message>
        <source>リモートホスト</source>
        <translation>Remote hosts</translation>
    </message>
</context>
<context>
    <name>PopupHelp</name>
    <message>
        <source>ポップアップヘルプ</source>
        <translation>Popup help</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;W)</source>
        <translation>&amp;What&apos;s this?</translation>
    </message>
</context>
<context>
    <name>PortField</name>
    <message>
        <source>現在：%1</source>
        <translation>Now: %1</translation>
    </message>
</context>
<context>
    <name>PositionPage</name>
    <message>
        <source>タイトルに含まれる文字列を入力してください。</source>
        <translation>Enter text the window title contains.</translation>
    </message>
    <message>
        <source>起動時の位置設定</source>
        <translation>Position at start</translation>
    </message>
    <message>
        <source>終了時の位置</source>
        <translation>Where it was at exit</translation>
    </message>
    <message>
        <source>位置指定</source>
        <translation>At</translation>
    </message>
    <message>
        <source>位置取得</source>
        <translation>Take position</translation>
    </message>
    <message>
        <source>自動吸着設定</source>
        <translation>Auto-snap</translation>
    </message>
    <message>
        <source>吸着先ウィンドウの基準位置</source>
        <translation>Corner of the target window</translation>
    </message>
    <message>
        <source>このウィンドウの基準位置</source>
        <translation>Corner of this window</translation>
    </message>
    <message>
        <source>吸着先ウィンドウの</source>
        <translation>Put the target window&apos;s</translation>
    </message>
    <message>
        <source>に、このウィンドウの</source>
        <translation>corner against this window&apos;s</translation>
    </message>
    <message>
        <source>を合わせる</source>
        <translation>corner</translation>
    </message>
    <message>
        <source>吸着位置X</source>
        <translation>Snap offset X</translation>
    </message>
    <message>
        <source>吸着位置Y</source>
        <translation>Snap offset Y</translation>
    </message>
    <message>
        <source>ずらす量 X</source>
        <translation>Offset X</translation>
    </message>
    <message>
        <source>ある程度以上小さな</source>
        <translation>Skip windows smaller than</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>width</translation>
    </message>
    <message>
        <source>高さ</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>×高さ</source>
        <translation>× height</translation>
    </message>
    <message>
        <source>ウインドウには吸着しない</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>吸着させるウィンドウのタイトル</source>
        <translation>Titles of windows to snap to</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>上へ</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>下へ</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>終了したときの位置に次回も表示します。</source>
        <translation>Starts where the window was when the program ended.</translation>
    </message>
    <message>
        <source>右の X・Y で指定した位置に起動します。</source>
        <translation>Starts at the X and Y given on the right.</translation>
    </message>
    <message>
        <source>起動時の左端の位置(ピクセル)です。</source>
        <translation>The left edge at start, in pixels.</translation>
    </message>
    <message>
        <source>起動時の上端の位置(ピクセル)です。</source>
        <translation>The top edge at start, in pixels.</translation>
    </message>
    <message>
        <source>いまのウィンドウの位置を X・Y に入れます。</source>
        <translation>Puts the window&apos;s present position into X and Y.</translation>
    </message>
    <message>
        <source>ほかのウィンドウに自動でくっつくかどうかと、くっつく相手の選び方です。</source>
        <translation>Whether the window sticks to other windows by itself, and which window it sticks to.</translation>
    </message>
    <message>
        <source>吸着先のウィンドウのどの角を基準にするかです。</source>
        <translation>The corner of the target window to align to.</translation>
    </message>
    <message>
        <source>このウィンドウのどの角を基準の角に合わせるかです。</source>
        <translation>The corner of this window that goes on that corner.</translation>
    </message>
    <message>
        <source>基準の角から横にずらす量(ピクセル)です。</source>
        <translation>How far to move sideways from that corner, in pixels.</translation>
    </message>
    <message>
        <source>基準の角から縦にずらす量(ピクセル)です。</source>
        <translation>How far to move up or down from that corner, in pixels.</translation>
    </message>
    <message>
        <source>指定した大きさより小さなウィンドウには吸着しません。</source>
        <translation>Does not snap to windows smaller than the size given.</translation>
    </message>
    <message>
        <source>吸着の対象にするウィンドウの最小の幅です。</source>
        <translation>The smallest width of a window to snap to.</translation>
    </message>
    <message>
        <source>吸着の対象にするウィンドウの最小の高さです。</source>
        <translation>The smallest height of a window to snap to.</translation>
    </message>
    <message>
        <source>「指定したウィンドウにのみ吸着」で、タイトルにこの文字列を含むウィンドウに上から順に探して吸着します。</source>
        <translation>With &quot;Snap to the given windows only&quot;, the window snaps to the first window, searching from the top of this list, whose title contains one of these texts.</translation>
    </message>
    <message>
        <source>タイトルを一覧に加えます。</source>
        <translation>Adds a title to the list.</translation>
    </message>
    <message>
        <source>選んだタイトルを書き換えます。</source>
        <translation>Changes the chosen title.</translation>
    </message>
    <message>
        <source>選んだタイトルを一覧から消します。</source>
        <translation>Removes the chosen title from the list.</translation>
    </message>
    <message>
        <source>選んだタイトルを一つ上へ移し、先に探すようにします。</source>
        <translation>Moves the chosen title up one place, so it is searched for earlier.</translation>
    </message>
    <message>
        <source>選んだタイトルを一つ下へ移します。</source>
        <translation>Moves the chosen title down one place.</translation>
    </message>
</context>
<context>
    <name>SkinPage</name>
    <message>
        <source>スキンフォルダー</source>
        <translation>Skin folder</translation>
    </message>
    <message>
        <source>フォルダを選択</source>
        <translation>Choose folder</translation>
    </message>
    <message>
        <source>使用するSkin</source>
        <translation>Skin to use</translation>
    </message>
    <message>
        <source>Skin情報</source>
        <translation>Skin information</translation>
    </message>
    <message>
        <source>内蔵のスキンを使用する</source>
        <translation>Use the built-in skin</translation>
    </message>
    <message>
        <source>横型</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>たて型</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>スキンファイル（*.skn）を探すフォルダーです。サブフォルダーのスキンも一覧に出ます。</source>
        <translation>The folder searched for skin files (*.skn). Skins in subfolders are listed too.</translation>
    </message>
    <message>
        <source>スキンフォルダーをダイアログで選びます。</source>
        <translation>Chooses the skin folder in a dialog.</translation>
    </message>
    <message>
        <source>使うスキンを選ぶと、すぐにメイン画面が切り替わります。</source>
        <translation>The main window changes to the chosen skin at once.</translation>
    </message>
    <message>
        <source>最後に読み込んだスキンファイルの読み込み結果です。</source>
        <translation>What happened when the last skin file was loaded.</translation>
    </message>
    <message>
        <source>プログラムに組み込まれたスキンを使います。外すと一覧で選んだスキンファイルに戻ります。</source>
        <translation>Uses the skin built into the program. Unchecked, the skin file chosen in the list comes back.</translation>
    </message>
    <message>
        <source>組み込みスキンを横長の形で表示します。</source>
        <translation>Shows the built-in skin as a row.</translation>
    </message>
    <message>
        <source>組み込みスキンを縦長の形で表示します。</source>
        <translation>Shows the built-in skin as a column.</translation>
    </message>
    <message>
        <source>フォルダを選択してください。</source>
        <translation>Choose a folder.</translation>
    </message>
    <message>
        <source>フォルダーが見つかりません！</source>
        <translation>Folder not found!</translation>
    </message>
    <message>
        <source>Skinファイルが見つかりません！</source>
        <translation>No skin files found!</translation>
    </message>
</context>
<context>
    <name>SnapTitles</name>
    <message>
        <source>タイトルに「|」は使えません（設定ファイルで区切りに使われます）。</source>
        <translation>A title cannot contain &quot;|&quot; (the settings file uses it as a separator).</translation>
    </message>
    <message>
        <source>タイトルに改行は使えません。</source>
        <translation>A title cannot contain line breaks.</translation>
    </message>
</context>
<context>
    <name>StartupEntry</name>
    <message>
        <source>スタートアップに登録 - %1</source>
        <translation>Start at login - %1</translation>
    </message>
    <message>
        <source>スタートアップにショートカットを作成しました｡<byte value="xd"/>
オプションでチェックを外すかスタートアップから削除することによって「スタートアップに登録」を解除することが出来ます｡</source>
        <translation>The program now starts when you log in.<byte value="xd"/>
To undo this, uncheck &quot;Start when I log in&quot; in the options or remove the program from the autostart list.</translation>
    </message>
    <message>
        <source>スタートアップに登録を解除 - %1</source>
        <translation>Stop starting at login - %1</translation>
    </message>
    <message>
        <source>スタートアップからショートカットを削除しました｡</source>
        <translation>The program no longer starts when you log in.</translation>
    </message>
</context>
<context>
    <name>WindowPage</name>
    <message>
        <source>Pauseキーで切り替え</source>
        <translation>Switch with the Pause key</translation>
    </message>
    <message>
        <source>Pauseキーを押すたびに、通常表示と最前面表示を切り替えます。</source>
        <translation>Each press of the Pause key switches between normal and always on top.</translation>
    </message>
    <message>
        <source>マウスが近づいたら最前面表示</source>
        <translation>Come to the front when the mouse comes near</translation>
    </message>
    <message>
        <source>ほかのウィンドウの後ろにあるとき、マウスが近づくと手前に出します。</source>
        <translation>When the window is behind others, it comes to the front as the mouse comes near.</translation>
    </message>
    <message>
        <source>↑  Shiftキーを押しながらでないと無効である</source>
        <translation>↑  Only while the Shift key is held</translation>
    </message>
    <message>
        <source>マウスを近づけたときに手前に出すのを、Shiftキーを押しているときだけにします。</source>
        <translation>The window comes to the front on the mouse only while the Shift key is held.</translation>
    </message>
    <message>
        <source>「Ctrl」キーと「Shift」キーを押している間は最前面表示</source>
        <translation>On top while &quot;Ctrl&quot; and &quot;Shift&quot; are held</translation>
    </message>
    <message>
        <source>CtrlキーとShiftキーを一緒に押している間、手前に出します。</source>
        <translation>The window is in front while the Ctrl and Shift keys are held together.</translation>
    </message>
    <message>
        <source>マウスが外に出ると背後へ移動</source>
        <translation>Go to the back when the mouse leaves</translation>
    </message>
    <message>
        <source>マウスが離れたら、ほかのウィンドウの後ろへ戻します。</source>
        <translation>When the mouse leaves, the window goes back behind the others.</translation>
    </message>
    <message>
        <source>マウスが近づいたら自動的に隠す</source>
        <translation>Hide when the mouse comes near</translation>
    </message>
    <message>
        <source>マウスが近づくとウィンドウを隠し、離れるとまた表示します。</source>
        <translation>The window hides as the mouse comes near and shows again when it leaves.</translation>
    </message>
    <message>
        <source>Shiftキーを押しながら近づけた場合は隠さない</source>
        <translation>Don&apos;t hide while the Shift key is held</translation>
    </message>
    <message>
        <source>Shiftキーを押しながらマウスを近づけたときは隠さず、ボタンを押せるようにします。</source>
        <translation>With the Shift key held the window stays, so its buttons can be pressed.</translation>
    </message>
    <message>
        <source>「Ctrl」キーと「Shift」キーを押している間は故意に隠す</source>
        <translation>Hide while &quot;Ctrl&quot; and &quot;Shift&quot; are held</translation>
    </message>
    <message>
        <source>CtrlキーとShiftキーを一緒に押している間、ウィンドウを隠します。</source>
        <translation>The window hides while the Ctrl and Shift keys are held together.</translation>
    </message>
    <message>
        <source>最前面表示でない場合は隠しておく</source>
        <translation>Keep hidden when not on top</translation>
    </message>
    <message>
        <source>最前面に出ていないときはウィンドウを隠しておきます。</source>
        <translation>The window stays hidden while it is not on top.</translation>
    </message>
    <message>
        <source>非吸着時は表示しない</source>
        <translation>Hide when not snapped</translation>
    </message>
    <message>
        <source>自動吸着でほかのウィンドウにくっついていないときは表示しません。</source>
        <translation>The window is not shown while auto-snap has not stuck it to another window.</translation>
    </message>
    <message>
        <source>通常表示</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>最前面表示</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>ほかのウィンドウと同じように重なって表示します。</source>
        <translation>The window stacks with other windows as usual.</translation>
    </message>
    <message>
        <source>いつもほかのウィンドウより手前に表示します。</source>
        <translation>The window is always in front of other windows.</translation>
    </message>
</context>
</TS>
