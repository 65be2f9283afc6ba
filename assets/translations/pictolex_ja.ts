<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Arguments</name>
    <message>
        <source>%1 needs a value: --list NAME, or --check-list FOLDER.</source>
        <translation>%1 には値が要ります: --list 名前、または --check-list フォルダー。</translation>
    </message>
    <message>
        <source>%1 is not an option of pictolex; --help lists them.</source>
        <translation>%1 は pictolex のオプションではありません。--help で一覧が出ます。</translation>
    </message>
    <message>
        <source>Usage: pictolex [--list NAME] [--check-list FOLDER]
  --list NAME          start with the word list NAME
  --check-list FOLDER  check the word list in FOLDER and say what keeps it
                       from being played
  --version            say which version of pictolex this is
</source>
        <translation>使い方: pictolex [--list 名前] [--check-list フォルダー]
  --list 名前               単語リスト「名前」で始めます
  --check-list フォルダー   フォルダーの単語リストを調べ、遊べない理由を表示します
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
        <source>%1, matched</source>
        <translation>%1、できた</translation>
    </message>
    <message>
        <source>%1, not matched</source>
        <translation>%1、まだ</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Please get a score of %1.</source>
        <translation>スコアを %1 にしてください。</translation>
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
        <source>words.txt holds too few words (%1): a list has 4 to 36.</source>
        <translation>words.txt の単語が少なすぎます（%1 語）。リストは 4〜36 語です。</translation>
    </message>
    <message>
        <source>words.txt holds too many words (%1): a list has 4 to 36.</source>
        <translation>words.txt の単語が多すぎます（%1 語）。リストは 4〜36 語です。</translation>
    </message>
    <message>
        <source>Listed more than once: %1.</source>
        <translation>2 回以上書かれています: %1。</translation>
    </message>
    <message>
        <source>A word may not hold a / or a control character: %1.</source>
        <translation>単語に / や制御文字は使えません: %1。</translation>
    </message>
    <message>
        <source>Too long to fit under its picture: %1.</source>
        <translation>長すぎて絵の下に収まりません: %1。</translation>
    </message>
    <message>
        <source>No picture (the word and .png or .jpg): %1.</source>
        <translation>絵がありません（単語のあとに .png か .jpg）: %1。</translation>
    </message>
    <message>
        <source>The picture cannot be read: %1.</source>
        <translation>絵を読み込めません: %1。</translation>
    </message>
    <message>
        <source>Too large to show quickly (at most 4 million pixels): %1.</source>
        <translation>大きすぎてすぐには表示できません（400万画素まで）: %1。</translation>
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
        <source>Silent, with no recording: %1.</source>
        <translation>録音がないので声が出ません: %1。</translation>
    </message>
    <message>
        <source>The game&apos;s own words</source>
        <translation>ゲームの単語</translation>
    </message>
    <message>
        <source>There is no word list called %1.</source>
        <translation>%1 という単語リストはありません。</translation>
    </message>
</context>
</TS>
