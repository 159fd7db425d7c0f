<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Announcer</name>
    <message>
        <source>%1 on cell %2</source>
        <extracomment>the computer has put the mark %1 (X or O) on the cell numbered %2</extracomment>
        <translation>%1 sur la case %2</translation>
    </message>
    <message>
        <source>%1 to play</source>
        <extracomment>the player with the mark %1 (X or O) moves next</extracomment>
        <translation>au tour de %1</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>between the numbers of the winning cells before the last, as in &quot;cells 1, 5 and 9&quot;</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>cells %1 and %2</source>
        <extracomment>the cells of the winning line: %1 all numbers but the last, joined as above, %2 the last</extracomment>
        <translation>cases %1 et %2</translation>
    </message>
</context>
<context>
    <name>CellEdit</name>
    <message>
        <source>empty</source>
        <extracomment>what a free cell holds, as a screen reader tells it</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>winning line</source>
        <extracomment>said of a cell on the completed line, after what it holds</extracomment>
        <translation>ligne gagnante</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>who goes first X or O?</source>
        <extracomment>the answer stays the letter X or O in every language</extracomment>
        <translation>Qui commence, X ou O ?</translation>
    </message>
    <message>
        <source>Sorry, your choices are X or O</source>
        <translation>Répondez X ou O.</translation>
    </message>
    <message>
        <source>Who goes first X or O?</source>
        <translation>Qui commence, X ou O ?</translation>
    </message>
    <message>
        <source>sorry, your choices are X or O</source>
        <translation>Répondez X ou O.</translation>
    </message>
    <message>
        <source>Player Number</source>
        <translation>Nombre de joueurs</translation>
    </message>
    <message>
        <source>Select number of players.</source>
        <translation>Choisissez le nombre de joueurs.</translation>
    </message>
    <message>
        <source>Sorry, must be 1 or 2.</source>
        <translation>Répondez 1 ou 2.</translation>
    </message>
    <message>
        <source>Number or players?</source>
        <extracomment>asked again after a refused answer: how many players, 1 or 2</extracomment>
        <translation>Nombre de joueurs ?</translation>
    </message>
    <message>
        <source>Overflow error: a counter went beyond the range -32768 to 32767.</source>
        <translation>Erreur de dépassement : un compteur a quitté l’intervalle de -32768 à 32767.</translation>
    </message>
    <message>
        <source>Sorry, already selected.</source>
        <translation>Case déjà prise.</translation>
    </message>
    <message>
        <source>%1 has won by row  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the row&apos;s number (0 top, 1, 2, 4 the bottom four)</extracomment>
        <translation>%1 gagne par la ligne %2</translation>
    </message>
    <message>
        <source>%1 has won by col  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the column&apos;s number, 0 to 2 from the left</extracomment>
        <translation>%1 gagne par la colonne %2</translation>
    </message>
    <message>
        <source>%1 has won by diagonal  %2</source>
        <extracomment>%1 is the winner&apos;s mark, X or O; %2 the diagonal&apos;s first cell: 0, 1 or 2</extracomment>
        <translation>%1 gagne par la diagonale %2</translation>
    </message>
    <message>
        <source>The game is a tie.</source>
        <translation>Match nul.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Cell %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>Play Again?</source>
        <translation>Rejouer ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Reset all</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Game #</source>
        <extracomment>the number of the current game</extracomment>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Wins by X</source>
        <extracomment>the mark stays X</extracomment>
        <translation>Victoires X</translation>
    </message>
    <message>
        <source>Wins by O</source>
        <extracomment>the mark stays O</extracomment>
        <translation>Victoires O</translation>
    </message>
    <message>
        <source>Games Tied</source>
        <translation>Nuls</translation>
    </message>
    <message>
        <source>Beginner</source>
        <extracomment>the computer&apos;s strength</extracomment>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Advanced</source>
        <extracomment>the computer&apos;s strength</extracomment>
        <translation>Expert</translation>
    </message>
</context>
</TS>
