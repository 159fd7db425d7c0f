<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>Announcer</name>
    <message>
        <source>%1 on cell %2</source>
        <extracomment>the computer has put the mark %1 (X or O) on the cell numbered %2</extracomment>
        <translation>%1 у клітинці %2</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <extracomment>the player with the mark %1 (X or O) moves next</extracomment>
        <translation>хід %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>between the numbers of the winning cells before the last, as in &quot;cells 1, 5 and 9&quot;</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>cells %1 and %2</source>
        <extracomment>the cells of the winning line: %1 all numbers but the last, joined as above, %2 the last</extracomment>
        <translation>клітинки %1 і %2</translation>
    </message>
</context>
<context>
    <name>CellEdit</name>
    <message>
        <source>empty</source>
        <extracomment>said of a cell (&quot;Cell %1&quot;) that holds no mark: agrees with the word for &quot;Cell&quot;</extracomment>
        <translation>порожня</translation>
    </message>
    <message>
        <source>winning line</source>
        <extracomment>said of a cell (&quot;Cell %1&quot;) on the completed line, after the mark it holds</extracomment>
        <translation>виграшна лінія</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>who goes first X or O?</source>
        <extracomment>which mark moves first; the answer stays the letter X or O in every language. The small first letter is the English&apos;s own.</extracomment>
        <translation>Хто ходить першим, X чи O?</translation>
    </message>
    <message>
        <source>Sorry, your choices are X or O</source>
        <extracomment>refuses an answer other than the letter X or O to which mark moves first</extracomment>
        <translation>Відповідайте X або O.</translation>
    </message>
    <message>
        <source>Who goes first X or O?</source>
        <extracomment>asked again after a refused answer: which mark moves first, the letter X or O</extracomment>
        <translation>Хто ходить першим, X чи O?</translation>
    </message>
    <message>
        <source>sorry, your choices are X or O</source>
        <extracomment>as &quot;Sorry, your choices are X or O&quot;; the small first letter is the English&apos;s own</extracomment>
        <translation>Відповідайте X або O.</translation>
    </message>
    <message>
        <source>Player Number</source>
        <extracomment>the title of the dialogs that ask how many people play</extracomment>
        <translation>Кількість гравців</translation>
    </message>
    <message>
        <source>Select number of players.</source>
        <extracomment>the answer is typed: the digit 1 or 2</extracomment>
        <translation>Виберіть кількість гравців.</translation>
    </message>
    <message>
        <source>Sorry, must be 1 or 2.</source>
        <extracomment>refuses an answer other than the digit 1 or 2 to how many people play</extracomment>
        <translation>Має бути 1 або 2.</translation>
    </message>
    <message>
        <source>Number or players?</source>
        <extracomment>asked again after a refused answer: how many people play, 1 or 2. The &quot;or&quot; is a slip the English keeps; translate &quot;Number of players?&quot;.</extracomment>
        <translation>Кількість гравців?</translation>
    </message>
    <message>
        <source>Overflow error: a counter went beyond the range -32768 to 32767.</source>
        <translation>Помилка переповнення: лічильник вийшов за межі діапазону від -32768 до 32767.</translation>
    </message>
    <message>
        <source>Sorry, already selected.</source>
        <extracomment>the clicked cell is taken: it already holds a mark, X or O, and keeps it</extracomment>
        <translation>Клітинку вже зайнято.</translation>
    </message>
    <message>
        <source>%1 has won by row  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the row&apos;s number: 0, 1 or 2 from the top, or 4 for cells 7 to 9. The two blanks before %2 are the English&apos;s own.</extracomment>
        <translation>%1 переміг: рядок %2</translation>
    </message>
    <message>
        <source>%1 has won by col  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the column&apos;s number, 0 to 2 in the direction of writing. The two blanks before %2 are the English&apos;s own.</extracomment>
        <translation>%1 переміг: стовпець %2</translation>
    </message>
    <message>
        <source>%1 has won by diagonal  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the number of the diagonal&apos;s first cell: 0, 1 or 2. The two blanks before %2 are the English&apos;s own.</extracomment>
        <translation>%1 переміг: діагональ %2</translation>
    </message>
    <message>
        <source>The game is a tie.</source>
        <translation>Нічия.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Cell %1</source>
        <extracomment>a board cell&apos;s name, as a screen reader tells it; %1 is its number, 0 to 9</extracomment>
        <translation>Клітинка %1</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <extracomment>the button that starts the next game; the scores stay</extracomment>
        <translation>Ще раз?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вийти</translation>
    </message>
    <message>
        <source>Reset all</source>
        <extracomment>the button that sets the four score boxes back to 0 and clears the board; it undoes no move</extracomment>
        <translation>Скинути</translation>
    </message>
    <message>
        <source>Game #</source>
        <extracomment>the caption of the box that shows the current game&apos;s number</extracomment>
        <translation>Гра №</translation>
    </message>
    <message>
        <source>Wins by X</source>
        <extracomment>the caption of the box that counts the games X has won; the mark stays X</extracomment>
        <translation>Виграші X</translation>
    </message>
    <message>
        <source>Wins by O</source>
        <extracomment>the caption of the box that counts the games O has won; the mark stays O</extracomment>
        <translation>Виграші O</translation>
    </message>
    <message>
        <source>Games Tied</source>
        <extracomment>the caption of the box that counts the games that ended in a tie, not a word on one game</extracomment>
        <translation>Нічиї</translation>
    </message>
    <message>
        <source>Beginner</source>
        <extracomment>the computer&apos;s strength when one person plays: the weaker opponent. It says nothing of who starts.</extracomment>
        <translation>Новачок</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>the computer&apos;s strength when one person plays: the stronger opponent</extracomment>
        <translation>Сильний</translation>
    </message>
</context>
</TS>
