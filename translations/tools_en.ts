<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Dorvik</name>
    <message>
        <source>全文検索を行う(&amp;A)</source>
        <translation>Search the full text (&amp;A)</translation>
    </message>
    <message>
        <source>キーワード</source>
        <translation>Keyword</translation>
    </message>
    <message>
        <source>検索場所</source>
        <translation>Search in</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>やっぱりやめる</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>国語辞典(大辞林) (&amp;2)</source>
        <translation>Japanese dictionary (Daijirin) (&amp;2)</translation>
    </message>
    <message>
        <source>英和辞典(EXCEED) (&amp;3)</source>
        <translation>English-Japanese dictionary (EXCEED) (&amp;3)</translation>
    </message>
    <message>
        <source>和英辞典(EXCEED) (&amp;4)</source>
        <translation>Japanese-English dictionary (EXCEED) (&amp;4)</translation>
    </message>
    <message>
        <source>カタカナ語辞典(コンサイス) (&amp;5)</source>
        <translation>Katakana word dictionary (Concise) (&amp;5)</translation>
    </message>
    <message>
        <source>漢字辞典 (&amp;6)</source>
        <translation>Kanji dictionary (&amp;6)</translation>
    </message>
    <message>
        <source>デジタル用語辞典 (アスキー) (&amp;7)</source>
        <translation>Digital terms dictionary (ASCII) (&amp;7)</translation>
    </message>
    <message>
        <source>IT用語辞典 (e-Words) (&amp;8)</source>
        <translation>IT terms dictionary (e-Words) (&amp;8)</translation>
    </message>
    <message>
        <source>地図検索 (Yahoo) (&amp;9)</source>
        <translation>Map search (Yahoo) (&amp;9)</translation>
    </message>
    <message>
        <source>そのまま検索 (Google) (&amp;0)</source>
        <translation>Web search (Google) (&amp;0)</translation>
    </message>
</context>
<context>
    <name>Pelmin</name>
    <message>
        <source>IEオブジェクト作成</source>
        <translation>creating the browser object</translation>
    </message>
    <message>
        <source>IEオブジェクト設定</source>
        <translation>setting up the browser object</translation>
    </message>
    <message>
        <source>IEオブジェクトURL読み込み</source>
        <translation>loading the URL</translation>
    </message>
    <message>
        <source>IEオブジェクトからHTML抽出</source>
        <translation>taking the HTML from the page</translation>
    </message>
    <message>
        <source>正規表現による検索</source>
        <translation>searching with the regular expression</translation>
    </message>
    <message>
        <source>%1時にエラー発生</source>
        <translation>An error occurred while %1</translation>
    </message>
    <message>
        <source>エラー名 : %1 (%2)</source>
        <translation>Error : %1 (%2)</translation>
    </message>
    <message>
        <source>エラー発生個所 : PrintParamプロシージャ</source>
        <translation>Where : PrintParam procedure</translation>
    </message>
    <message>
        <source>検索されたＩＰ一覧</source>
        <translation>Addresses found</translation>
    </message>
    <message>
        <source>グローバルＩＰ？</source>
        <translation>Global IP?</translation>
    </message>
    <message>
        <source>ローカルＩＰ</source>
        <translation>Local IP</translation>
    </message>
    <message>
        <source>検索失敗</source>
        <translation>Search failed</translation>
    </message>
    <message>
        <source>URL が不正です: %1</source>
        <translation>Invalid URL: %1</translation>
    </message>
    <message>
        <source>応答が 1 MiB を超えたので読み込みを止めました</source>
        <translation>The answer was larger than 1 MiB, so reading stopped</translation>
    </message>
    <message>
        <source>応答がないまま時間切れになりました</source>
        <translation>No answer came before the time limit</translation>
    </message>
    <message>
        <source>エラー - %1</source>
        <translation>Error - %1</translation>
    </message>
    <message>
        <source>それ･･････ＩＰアドレスじゃないし･･････</source>
        <translation>That... is not an IP address...</translation>
    </message>
    <message>
        <source>(&amp;1) すっぴんアドレス</source>
        <translation>(&amp;1) Plain address</translation>
    </message>
    <message>
        <source>(&amp;2) ＨＴＴＰ用</source>
        <translation>(&amp;2) For HTTP</translation>
    </message>
    <message>
        <source>(&amp;3) ＦＴＰ用</source>
        <translation>(&amp;3) For FTP</translation>
    </message>
    <message>
        <source>(&amp;4) ＦＴＰ用（ユーザー名付き）</source>
        <translation>(&amp;4) For FTP (with user name)</translation>
    </message>
    <message>
        <source>再取得 (&amp;R)</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>IP取得元ページ</source>
        <translation>Address source page</translation>
    </message>
    <message>
        <source>(&amp;Q) 何もせず終了する</source>
        <translation>(&amp;Q) Quit without copying</translation>
    </message>
    <message>
        <source>選択したアドレスをクリップボードにコピーします</source>
        <translation>Copy the selected address to the clipboard</translation>
    </message>
    <message>
        <source>ユーザー名(FTP用)</source>
        <translation>User name (for FTP)</translation>
    </message>
</context>
<context>
    <name>Sumora</name>
    <message>
        <source>数式を入力してください｡</source>
        <translation>Enter an expression.</translation>
    </message>
    <message>
        <source>なお、最後の「=」は不要です｡</source>
        <translation>No &quot;=&quot; is needed at the end.</translation>
    </message>
    <message>
        <source>π =&gt; [pi]&#x3000;&#x3000;&#x3000;sin(60°) =&gt; sin(60deg)</source>
        <translation>π =&gt; [pi]      sin(60°) =&gt; sin(60deg)</translation>
    </message>
    <message>
        <source>常用対数 =&gt; [log10(X)]</source>
        <translation>Common logarithm =&gt; [log10(X)]</translation>
    </message>
    <message>
        <source>%1の結果は</source>
        <translation>The result of %1 is</translation>
    </message>
    <message>
        <source>%1です｡</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>クリップボードにコピーしますか？</source>
        <translation>Copy it to the clipboard?</translation>
    </message>
    <message>
        <source>[キャンセル]でもう1度やり直し</source>
        <translation>[Cancel] to try again</translation>
    </message>
    <message>
        <source>あなたの入力した式</source>
        <translation>The expression you entered</translation>
    </message>
    <message>
        <source>%1は</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>以下のエラーを起こし計算できませんでした｡</source>
        <translation>could not be calculated because of this error:</translation>
    </message>
    <message>
        <source>もう一度入力しなおしますか｡</source>
        <translation>Enter it again?</translation>
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
        <source>0 で除算しました。</source>
        <translation>Division by zero.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Type mismatch.</translation>
    </message>
    <message>
        <source>スタック領域が不足しています。</source>
        <translation>Out of stack space.</translation>
    </message>
    <message>
        <source>引数の数が一致していないか、または不正なプロパティを指定しています。</source>
        <translation>Wrong number of arguments or invalid property assignment.</translation>
    </message>
    <message>
        <source>変数が定義されていません。</source>
        <translation>Variable is undefined.</translation>
    </message>
    <message>
        <source>構文エラーです。</source>
        <translation>Syntax error.</translation>
    </message>
    <message>
        <source>&apos;)&apos; がありません。</source>
        <translation>Expected &apos;)&apos;.</translation>
    </message>
    <message>
        <source>ステートメントの末尾が必要です。</source>
        <translation>Expected end of statement.</translation>
    </message>
    <message>
        <source>無効な文字です。</source>
        <translation>Invalid character.</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Retry</translation>
    </message>
</context>
</TS>
