<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Announcer</name>
    <message>
        <source>%1 on cell %2</source>
        <extracomment>the computer has put the mark %1 (X or O) on the cell numbered %2</extracomment>
        <translation>%1 をマス %2 に</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <extracomment>the player with the mark %1 (X or O) moves next</extracomment>
        <translation>%1 の番</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>between the numbers of the winning cells before the last, as in &quot;cells 1, 5 and 9&quot;</extracomment>
        <translation>、</translation>
    </message>
    <message>
        <source>cells %1 and %2</source>
        <extracomment>the cells of the winning line: %1 all numbers but the last, joined as above, %2 the last</extracomment>
        <translation>マス %1 と %2</translation>
    </message>
</context>
<context>
    <name>CellEdit</name>
    <message>
        <source>empty</source>
        <extracomment>what a free cell holds, as a screen reader tells it</extracomment>
        <translation>空き</translation>
    </message>
    <message>
        <source>winning line</source>
        <extracomment>said of a cell on the completed line, after what it holds</extracomment>
        <translation>勝ちライン</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>who goes first X or O?</source>
        <extracomment>the answer stays the letter X or O in every language</extracomment>
        <translation>先手は X と O のどちら？</translation>
    </message>
    <message>
        <source>Sorry, your choices are X or O</source>
        <translation>X か O で答えてください。</translation>
    </message>
    <message>
        <source>Who goes first X or O?</source>
        <translation>先手は X と O のどちら？</translation>
    </message>
    <message>
        <source>sorry, your choices are X or O</source>
        <translation>X か O で答えてください。</translation>
    </message>
    <message>
        <source>Player Number</source>
        <translation>プレイヤー数</translation>
    </message>
    <message>
        <source>Select number of players.</source>
        <translation>プレイヤー数を選んでください。</translation>
    </message>
    <message>
        <source>Sorry, must be 1 or 2.</source>
        <translation>1 か 2 にしてください。</translation>
    </message>
    <message>
        <source>Number or players?</source>
        <extracomment>asked again after a refused answer: how many players, 1 or 2</extracomment>
        <translation>プレイヤー数は？</translation>
    </message>
    <message>
        <source>Overflow error: a counter went beyond the range -32768 to 32767.</source>
        <translation>オーバーフロー エラー：カウンターが -32768～32767 の範囲を超えました。</translation>
    </message>
    <message>
        <source>Sorry, already selected.</source>
        <translation>そのマスはもう埋まっています。</translation>
    </message>
    <message>
        <source>%1 has won by row  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the row&apos;s number (0 top, 1, 2, 4 the bottom four)</extracomment>
        <translation>%1 の勝ち（横 %2）</translation>
    </message>
    <message>
        <source>%1 has won by col  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the column&apos;s number, 0 to 2 from the left</extracomment>
        <translation>%1 の勝ち（縦 %2）</translation>
    </message>
    <message>
        <source>%1 has won by diagonal  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the diagonal&apos;s first cell: 0, 1 or 2</extracomment>
        <translation>%1 の勝ち（斜め %2）</translation>
    </message>
    <message>
        <source>The game is a tie.</source>
        <translation>引き分けです。</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Cell %1</source>
        <translation>マス %1</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>もう一度</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>リセット</translation>
    </message>
    <message>
        <source>Game #</source>
        <extracomment>the number of the current game</extracomment>
        <translation>ゲーム</translation>
    </message>
    <message>
        <source>Wins by X</source>
        <extracomment>the mark stays X</extracomment>
        <translation>X 勝ち数</translation>
    </message>
    <message>
        <source>Wins by O</source>
        <extracomment>the mark stays O</extracomment>
        <translation>O 勝ち数</translation>
    </message>
    <message>
        <source>Games Tied</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>Beginner</source>
        <extracomment>the computer&apos;s strength</extracomment>
        <translation>初級</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>the computer&apos;s strength</extracomment>
        <translation>上級</translation>
    </message>
</context>
</TS>
