<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Arguments</name>
    <message>
        <source>%1 needs a value: --list NAME, or --check-list LIST.</source>
        <translation>%1 には値が要ります: --list 名前、または --check-list リスト。</translation>
    </message>
    <message>
        <source>%1 is not an option of pictolex; --help lists them.</source>
        <translation>%1 は pictolex のオプションではありません。--help で一覧が出ます。</translation>
    </message>
    <message>
        <source>Usage: pictolex [--list NAME] [--check-list LIST]
  --list NAME          start with the word list NAME
  --check-list LIST    check the word list LIST, a folder or a list&apos;s name,
                       and say what keeps it from being played
  --version            say which version of pictolex this is
</source>
        <translation>使い方: pictolex [--list 名前] [--check-list リスト]
  --list 名前               単語リスト「名前」で始めます
  --check-list リスト       単語リスト（フォルダーまたはリストの名前）を調べ、
                            遊べない理由を表示します
  --version                 pictolex のバージョンを表示します
</translation>
    </message>
    <message>
        <source>There is no display to show the game on: start it from a desktop.</source>
        <translation>ゲームを表示する画面がありません。デスクトップから起動してください。</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>%1, on the word %2, picked up</source>
        <translation>%1、単語「%2」の上、持ち上げ中</translation>
    </message>
    <message>
        <source>%1, on the word %2</source>
        <translation>%1、単語「%2」の上</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Please get a score of %1.</source>
        <translation>スコアを %1 にしてください。</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1、持ち上げました</translation>
    </message>
    <message>
        <source>%1, put down</source>
        <translation>%1、置きました</translation>
    </message>
    <message>
        <source>%1 does not go on %2</source>
        <translation>%1 は単語「%2」の上には置けません</translation>
    </message>
    <message>
        <source>New round. %1</source>
        <translation>新しいラウンドです。%1</translation>
    </message>
    <message>
        <source>Times listed: %1.</source>
        <translation>記録の数: %1。</translation>
    </message>
    <message>
        <source>Every time, the newest first</source>
        <translation>すべての記録、新しい順</translation>
    </message>
    <message>
        <source>The times of %1. %2</source>
        <translation>%1 の記録。%2</translation>
    </message>
    <message>
        <source>matched</source>
        <translation>できた</translation>
    </message>
    <message>
        <source>not matched</source>
        <translation>まだ</translation>
    </message>
    <message>
        <source>The best time: %1, %2. %3</source>
        <translation>いちばん速い記録: %1、%2。%3</translation>
    </message>
</context>
<context>
    <name>Results</name>
    <message>
        <source>another copy of Pictolex kept %1 locked</source>
        <translation>別の Pictolex が %1 をロックしたままだった</translation>
    </message>
    <message>
        <source>there is no permission to use %1</source>
        <translation>%1 を使う権限がない</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいである</translation>
    </message>
    <message>
        <source>the disk of %1 can only be read</source>
        <translation>%1 のディスクが読み取り専用である</translation>
    </message>
    <message>
        <source>%1 has grown as large as it may</source>
        <translation>%1 が許される最大の大きさに達した</translation>
    </message>
    <message>
        <source>a folder stands where the file %1 should be</source>
        <translation>ファイル %1 があるべき場所にフォルダーがある</translation>
    </message>
    <message>
        <source>a file stands where a folder of %1 should be</source>
        <translation>%1 のフォルダーがあるべき場所にファイルがある</translation>
    </message>
    <message>
        <source>of an error with %1: %2</source>
        <translation>%1 でエラーが起きた（%2）</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file</source>
        <translation>%1 が通常のファイルではない</translation>
    </message>
    <message>
        <source>a file stands where the folder %1 should be</source>
        <translation>フォルダー %1 があるべき場所にファイルがある</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 が %2 MB より大きい</translation>
    </message>
    <message>
        <source>%1 holds more than %L2 lines</source>
        <translation>%1 の行数が %L2 を超えている</translation>
    </message>
    <message>
        <source>Your time could not be saved, because %1.</source>
        <translation>%1ため、タイムを保存できませんでした。</translation>
    </message>
    <message>
        <source>Your time may have been saved, but the disk did not confirm it, because %1.</source>
        <translation>%1ため、ディスクが書き込みを確かめられませんでした。タイムは保存されているかもしれません。</translation>
    </message>
    <message>
        <source>The times could not be read, because %1.</source>
        <translation>%1ため、タイムを読み込めませんでした。</translation>
    </message>
    <message>
        <source>Only the newest times are shown, because %1.</source>
        <translation>%1ため、新しいタイムだけを表示しています。</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in (HOME is not set)</source>
        <translation>保存先のホームフォルダーがない（HOME が設定されていない）</translation>
    </message>
    <message>
        <source>the record holds a line break</source>
        <translation>記録に改行が含まれている</translation>
    </message>
    <message>
        <source>there is not enough memory</source>
        <translation>メモリが足りない</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in: HOME is %1, which is not an absolute path (one that starts with /)</source>
        <translation>保存先のホームフォルダーがない（HOME が %1 で、/ で始まる絶対パスではない）</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>A word game for young learners, by the Pictolex team</source>
        <translation>英語のことばを学ぶ子どものゲーム（Pictolex チーム）</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>単語</translation>
    </message>
</context>
<context>
    <name>WordLists</name>
    <message>
        <source>There is no folder %1.</source>
        <translation>フォルダー %1 がありません。</translation>
    </message>
    <message>
        <source>There is no words.txt in the list&apos;s folder.</source>
        <translation>リストのフォルダーに words.txt がありません。</translation>
    </message>
    <message>
        <source>words.txt cannot be read.</source>
        <translation>words.txt を読み込めません。</translation>
    </message>
    <message>
        <source>words.txt is too large to be a list of words.</source>
        <translation>words.txt が単語リストにしては大きすぎます。</translation>
    </message>
    <message>
        <source>Line %1 of words.txt is not UTF-8 text: save the file as UTF-8.</source>
        <translation>words.txt の %1 行目が UTF-8 のテキストではありません。ファイルを UTF-8 で保存してください。</translation>
    </message>
    <message>
        <source>words.txt holds too few words (%1): a list has %2 to %3.</source>
        <translation>words.txt の単語が少なすぎます（%1 語）。リストは %2〜%3 語です。</translation>
    </message>
    <message>
        <source>words.txt holds too many words (%1): a list has %2 to %3.</source>
        <translation>words.txt の単語が多すぎます（%1 語）。リストは %2〜%3 語です。</translation>
    </message>
    <message>
        <source>Listed more than once: %1.</source>
        <translation>2 回以上書かれています: %1。</translation>
    </message>
    <message>
        <source>Too long to fit under its picture: %1.</source>
        <translation>長すぎて絵の下に収まりません: %1。</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1.</source>
        <translation>絵を読み込めません: %1。</translation>
    </message>
    <message>
        <source>This list cannot be played:</source>
        <translation>このリストでは遊べません:</translation>
    </message>
    <message>
        <source>%1 can be played: %2 words.</source>
        <translation>%1 で遊べます: %2 語。</translation>
    </message>
    <message>
        <source>The game&apos;s own words</source>
        <translation>ゲームの単語</translation>
    </message>
    <message>
        <source>There is no word list called %1.</source>
        <translation>%1 という単語リストはありません。</translation>
    </message>
    <message>
        <source>%1 is larger than 32 MB.</source>
        <translation>%1 は 32 MB を超えています。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>%1 を読み込めません。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 は空です。</translation>
    </message>
    <message>
        <source>%1 is not a WAVE file.</source>
        <translation>%1 は WAVE ファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is %2, not WAVE.</source>
        <translation>%1 は %2 で、WAVE ではありません。</translation>
    </message>
    <message>
        <source>%1 holds compressed sound (%2): save it as PCM.</source>
        <translation>%1 は圧縮された音声（%2）です。PCM で保存してください。</translation>
    </message>
    <message>
        <source>%1 holds samples of %2 bits: save it with 16-bit samples.</source>
        <translation>%1 のサンプルは %2 ビットです。16 ビットで保存してください。</translation>
    </message>
    <message>
        <source>%1 has %2 channels: save it as mono or stereo.</source>
        <translation>%1 は %2 チャンネルです。モノラルかステレオで保存してください。</translation>
    </message>
    <message>
        <source>%1 has %2 samples a second: save it at 4,000 to 192,000.</source>
        <translation>%1 のサンプリング周波数は毎秒 %2 です。4,000〜192,000 で保存してください。</translation>
    </message>
    <message>
        <source>%1 is cut short, or holds no sound.</source>
        <translation>%1 は途中で切れているか、音が入っていません。</translation>
    </message>
    <message>
        <source>There is no words.txt, but there is %1: rename it to words.txt.</source>
        <translation>words.txt はありませんが、%1 があります。名前を words.txt に変えてください。</translation>
    </message>
    <message>
        <source>words.txt is UTF-16 text: save the file as UTF-8.</source>
        <translation>words.txt は UTF-16 のテキストです。UTF-8 で保存してください。</translation>
    </message>
    <message>
        <source>%1 is no language: write, say, # language: ja</source>
        <translation>%1 は言語ではありません。たとえば # language: ja と書いてください</translation>
    </message>
    <message>
        <source>A word may not hold a /, a control character or an invisible one: %1.</source>
        <translation>単語に /、制御文字、見えない文字は使えません: %1。</translation>
    </message>
    <message>
        <source>No font on this computer can draw: %1.</source>
        <translation>このコンピューターのフォントでは表示できません: %1。</translation>
    </message>
    <message>
        <source>No picture (the word and .png, .jpg or .jpeg): %1.</source>
        <translation>絵がありません（単語に .png、.jpg、.jpeg を付けた名前）: %1。</translation>
    </message>
    <message>
        <source>The picture is damaged or cut short: %1.</source>
        <translation>絵が壊れているか、途中で切れています: %1。</translation>
    </message>
    <message>
        <source>Too large to show quickly: %1.</source>
        <translation>大きすぎてすぐに表示できません: %1。</translation>
    </message>
    <message>
        <source>Found %1 for %2: name it like the word, with .png, .jpg, .jpeg or .wav.</source>
        <translation>%2 のつもりの %1 があります。単語と同じ名前に .png、.jpg、.jpeg、.wav を付けてください。</translation>
    </message>
    <message>
        <source>Spoken by the computer&apos;s voice, with no recording: %1.</source>
        <translation>録音がないため、コンピューターの声で読み上げます: %1。</translation>
    </message>
    <message>
        <source>Silent, with no recording and no voice on this computer for %1 (%2): %3.</source>
        <translation>録音がなく、このコンピューターに %1（%2）の声がないため、音が出ません: %3。</translation>
    </message>
    <message>
        <source>--check-list needs the folder of a list, or a list&apos;s name.</source>
        <translation>--check-list にはリストのフォルダーかリストの名前が必要です。</translation>
    </message>
    <message>
        <source>%1 (%2 is the most that fits)</source>
        <translation>%1（収まるのは %2 まで）</translation>
    </message>
</context>
</TS>
