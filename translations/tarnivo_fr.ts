<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AnswerFormSelector</name>
    <message>
        <source>the answer also has a coefficient.</source>
        <extracomment>Shown under the answer boxes after &quot;Wrong shape:&quot;, when the chosen shape has no box for a part of the answer the student got wrong. The coefficient is A in A√B / C.</extracomment>
        <translation>la réponse a aussi un coefficient.</translation>
    </message>
    <message>
        <source>the answer also has a number under the root.</source>
        <extracomment>As above; the number under the root is B in A√B / C.</extracomment>
        <translation>la réponse a aussi un nombre sous la racine.</translation>
    </message>
    <message>
        <source>the answer also has a coefficient and a number under the root.</source>
        <extracomment>As above, for A and B of A√B / C.</extracomment>
        <translation>la réponse a aussi un coefficient et un nombre sous la racine.</translation>
    </message>
    <message>
        <source>the answer also has a denominator.</source>
        <extracomment>As above; the denominator is C in A√B / C.</extracomment>
        <translation>la réponse a aussi un dénominateur.</translation>
    </message>
    <message>
        <source>the answer also has a coefficient and a denominator.</source>
        <extracomment>As above, for A and C of A√B / C.</extracomment>
        <translation>la réponse a aussi un coefficient et un dénominateur.</translation>
    </message>
    <message>
        <source>the answer also has a number under the root and a denominator.</source>
        <extracomment>As above, for B and C of A√B / C.</extracomment>
        <translation>la réponse a aussi un nombre sous la racine et un dénominateur.</translation>
    </message>
    <message>
        <source>the answer also has a coefficient and a number under the root and a denominator.</source>
        <extracomment>As above, for all three parts of A√B / C.</extracomment>
        <translation>la réponse a aussi un coefficient, un nombre sous la racine et un dénominateur.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Tarnivo needs a graphical display (an X11 or Wayland desktop), and none could be opened.</source>
        <translation>Tarnivo a besoin d’un affichage graphique (un bureau X11 ou Wayland), et aucun n’a pu être ouvert.</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Overflow</source>
        <extracomment>The kind of error in the message shown before the program closes: a whole number too large for the program (a technical term, as a programmer says it).</extracomment>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <extracomment>Kind of error: a program table was read at a place it does not have.</extracomment>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Floating-point error</source>
        <extracomment>Kind of error: a calculation with decimal numbers failed.</extracomment>
        <translation>Erreur de virgule flottante</translation>
    </message>
    <message>
        <source>Invalid control operation</source>
        <extracomment>Kind of error: a button, box or label of a window was asked to do what it cannot.</extracomment>
        <translation>Opération non valide sur un contrôle</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <extracomment>Kind of error: any other failure.</extracomment>
        <translation>Erreur inattendue</translation>
    </message>
    <message>
        <source>Tarnivo has met an error it cannot recover from and will close.</source>
        <translation>Tarnivo a rencontré une erreur dont il ne peut pas se remettre et va se fermer.</translation>
    </message>
    <message>
        <source>Tarnivo: %1</source>
        <extracomment>Title of the message box about an error the program cannot recover from; %1 is the kind of error (&quot;Overflow&quot;).</extracomment>
        <translation>Tarnivo&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>The last line of that message: %1 is the kind of error, %2 the technical details, which stay in English.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Print</source>
        <extracomment>Title of the message boxes about printing the record.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>The window was not printed. You can save the same page as a PDF file.</source>
        <translation>La fenêtre n’a pas été imprimée. La même page peut être enregistrée dans un fichier PDF.</translation>
    </message>
    <message>
        <source>Save as PDF…</source>
        <extracomment>Button of that message: opens a file dialog to save the page as a PDF file instead.</extracomment>
        <translation>Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <extracomment>Title of the file dialog that saves the page as a PDF file.</extracomment>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <extracomment>The file type offered in that dialog; keep &quot;(*.pdf)&quot;.</extracomment>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>unknown error</source>
        <extracomment>Stands for the reason, after a colon, when the print system gives none.</extracomment>
        <translation>erreur inconnue</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the print.</source>
        <extracomment>%1 is the printer&apos;s name as the print system calls it. Quote it as your language does.</extracomment>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu commencer l’impression.</translation>
    </message>
    <message>
        <source>No default printer is set up on this computer.</source>
        <translation>Aucune imprimante par défaut n’est configurée sur cet ordinateur.</translation>
    </message>
    <message>
        <source>Try Again…</source>
        <extracomment>Button of the message that a PDF file could not be written: opens the file dialog again, to save under another name or in another folder.</extracomment>
        <translation>Réessayer…</translation>
    </message>
    <message>
        <source>The page could not be drawn.</source>
        <translation>La page n’a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the print: %2.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the print system&apos;s reason (often in English).</extracomment>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté l’impression&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2.</source>
        <extracomment>%1 is the file&apos;s full path, %2 the system&apos;s reason (&quot;Permission denied&quot;).</extracomment>
        <translation>Le fichier PDF «&#xa0;%1&#xa0;» n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The print server is not answering.</source>
        <extracomment>The print server is the computer&apos;s printing service (CUPS): it did not reply within a few seconds, so nothing was printed.</extracomment>
        <translation>Le service d’impression ne répond pas.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped.</source>
        <extracomment>%1 is the printer&apos;s name; the printer has been paused or has stopped by itself.</extracomment>
        <translation>L’imprimante «&#xa0;%1&#xa0;» est arrêtée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped: %2.</source>
        <extracomment>%1 is the printer&apos;s name, %2 the reason the print server gives, in its own words (often English), such as &quot;paper jam&quot;.</extracomment>
        <translation>L’imprimante «&#xa0;%1&#xa0;» est arrêtée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The results were sent to the printer &quot;%1&quot;.</source>
        <extracomment>Shown once after Print Results has handed the page to the printer; %1 is the printer&apos;s name as set up on the computer. &quot;Results&quot; is the student&apos;s record of the set.</extracomment>
        <translation>Les résultats ont été envoyés à l’imprimante «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>WorkReview</name>
    <message>
        <source>Period:</source>
        <extracomment>Labels of the student data and the score at the top of the printed review; each is followed by its value. &quot;Period&quot; is a class period of the school day.</extracomment>
        <translation>Heure de cours&#xa0;:</translation>
    </message>
    <message>
        <source>Student ID:</source>
        <extracomment>The student number the school gives.</extracomment>
        <translation>N° d’élève&#xa0;:</translation>
    </message>
    <message>
        <source>Name:</source>
        <extracomment>The student&apos;s name.</extracomment>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Teacher:</source>
        <extracomment>The name of the student&apos;s teacher.</extracomment>
        <translation>Professeur&#xa0;:</translation>
    </message>
    <message>
        <source>Date:</source>
        <extracomment>The day the set was worked.</extracomment>
        <translation>Date&#xa0;:</translation>
    </message>
    <message>
        <source>Right:</source>
        <extracomment>The number of answers that were right.</extracomment>
        <translation>Justes&#xa0;:</translation>
    </message>
    <message>
        <source>Total:</source>
        <extracomment>The number of answers handed in, right or wrong: a count of submissions, not a sum.</extracomment>
        <translation>Essais&#xa0;:</translation>
    </message>
    <message>
        <source>Grade:</source>
        <extracomment>The percentage of submissions that were right.</extracomment>
        <translation>Réussite&#xa0;:</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>Column headings of the printed table of the twenty problems. &quot;No.&quot; is the problem&apos;s number.</extracomment>
        <translation>N°</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Heading of the problem column: the problem the student had to simplify.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>The simplified answer of the problem, from the answer key: use the word of the window&apos;s &quot;Key&quot; frame, so that it does not read as the student&apos;s own answer beside &quot;Wrong answers&quot;.</extracomment>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>Submitted</source>
        <extracomment>How many times the student handed in an answer to the problem.</extracomment>
        <translation>Envois</translation>
    </message>
    <message>
        <source>Wrong answers (✗ marks a wrong part)</source>
        <extracomment>✗ is printed after every wrong part of a wrong answer: keep the sign.</extracomment>
        <translation>Réponses fausses (✗ marque une partie fausse)</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <extracomment>Ends the list of a problem&apos;s wrong answers: %n more were handed in but are not listed.</extracomment>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>A left out</source>
        <extracomment>Printed after a wrong answer, in brackets: the answer&apos;s shape had no box for the coefficient A (of A√B / C), which the key needs. Keep A, √B and C as they are.</extracomment>
        <translation>A manque</translation>
    </message>
    <message>
        <source>√B left out</source>
        <extracomment>As above, for the root √B.</extracomment>
        <translation>√B manque</translation>
    </message>
    <message>
        <source>A, √B left out</source>
        <extracomment>As above, for the coefficient A and the root √B.</extracomment>
        <translation>A et √B manquent</translation>
    </message>
    <message>
        <source>C left out</source>
        <extracomment>As above, for the denominator C.</extracomment>
        <translation>C manque</translation>
    </message>
    <message>
        <source>A, C left out</source>
        <extracomment>As above, for the coefficient A and the denominator C.</extracomment>
        <translation>A et C manquent</translation>
    </message>
    <message>
        <source>√B, C left out</source>
        <extracomment>As above, for the root √B and the denominator C.</extracomment>
        <translation>√B et C manquent</translation>
    </message>
    <message>
        <source>A, √B, C left out</source>
        <extracomment>As above, for all three parts.</extracomment>
        <translation>A, √B et C manquent</translation>
    </message>
</context>
<context>
    <name>frmSignIn</name>
    <message>
        <source>Please Sign In</source>
        <extracomment>Title of the small sign-in window, and the flashing prompt in it: the student is asked to give their name and number before working. Keep it short.
----------
A flashing prompt in large bold letters in a box of fixed width: keep it short.</extracomment>
        <translation>Identifiez-vous</translation>
    </message>
    <message>
        <source>Exit</source>
        <extracomment>Button that ends the program without signing in.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button that signs in and opens the practice window.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>#ID or Student ID</source>
        <extracomment>The student number given by the school; &quot;#&quot; reads &quot;number&quot;.</extracomment>
        <translation>N° ou identifiant d’élève</translation>
    </message>
    <message>
        <source>Teacher</source>
        <extracomment>The name of the student&apos;s teacher.</extracomment>
        <translation>Professeur</translation>
    </message>
    <message>
        <source>Period</source>
        <extracomment>The class period: the lesson of the school day (first period, second period), not a length of time.</extracomment>
        <translation>Heure de cours</translation>
    </message>
    <message>
        <source>Name (Last, First)</source>
        <extracomment>The student&apos;s name, family name first, then given name, with a comma between.</extracomment>
        <translation>Nom, prénom</translation>
    </message>
</context>
<context>
    <name>frmTarnivo</name>
    <message>
        <source>right</source>
        <extracomment>Heard after an answer box once it is marked: the number typed in it is right. An adjective for &quot;the number&quot; (agree with your word for it).</extracomment>
        <translation>juste</translation>
    </message>
    <message>
        <source>wrong</source>
        <extracomment>As &quot;right&quot;: the number typed in the answer box is wrong.</extracomment>
        <translation>faux</translation>
    </message>
    <message>
        <source>Tarnivo Practice</source>
        <extracomment>Title of the practice window, where the student works the set of problems.</extracomment>
        <translation>Tarnivo – Entraînement</translation>
    </message>
    <message>
        <source>Start</source>
        <extracomment>Button that starts the set of twenty problems: a verb, &quot;begin&quot;, on a small button.</extracomment>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Print Results</source>
        <extracomment>Button on the end-of-set screen that prints the window as the record of the work. The button is narrow and tall: one or two short words read best.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Answer</source>
        <extracomment>Caption of the frame where the student types the answer.</extracomment>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Key</source>
        <extracomment>Caption of the frame with the answer key: the simplified answer, shown beside the problem. Not a key of the keyboard.</extracomment>
        <translation>Corrigé</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <extracomment>Button that ends the program. &quot;&amp;&quot; marks the access key (Alt and the letter after it), which must differ from those of Submit and Next.</extracomment>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Submit</source>
        <extracomment>Button that hands in the typed answer to be marked. &quot;&amp;&quot; marks the access key, which must differ from those of Next and Exit.</extracomment>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <extracomment>Button that moves on to the next problem. &quot;&amp;&quot; marks the access key, which must differ from those of Submit and Exit.</extracomment>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Simplify</source>
        <extracomment>Caption of the frame with the problem: an instruction to the student, &quot;simplify this&quot;.</extracomment>
        <translation>Simplifier</translation>
    </message>
    <message>
        <source>Student Data</source>
        <extracomment>The band with the student&apos;s sign-in details; its name is heard with a screen reader only.</extracomment>
        <translation>Données de l’élève</translation>
    </message>
    <message>
        <source>Tarnivo Program</source>
        <extracomment>Title of the end-of-set screen, which is printed as the record of the work: the program&apos;s name and the word for a drill program, as a heading.</extracomment>
        <translation>Programme Tarnivo</translation>
    </message>
    <message>
        <source>Current Problem</source>
        <extracomment>Caption over the number of the problem being worked (1 to 20).</extracomment>
        <translation>Exercice en cours</translation>
    </message>
    <message>
        <source>Problem</source>
        <extracomment>Heard before the number of the problem being worked: &quot;Problem 4&quot;. One exercise of the set.</extracomment>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Right</source>
        <extracomment>Caption over the number of answers that were right; also heard before that number.</extracomment>
        <translation>Justes</translation>
    </message>
    <message>
        <source>Total</source>
        <extracomment>Caption over the number of answers handed in so far, right or wrong: the total of submissions, not a sum of points. Also heard before that number.</extracomment>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>Caption over the grade: the percentage of submissions that were right. Also heard before it.</extracomment>
        <translation>Réussite</translation>
    </message>
    <message>
        <source>over</source>
        <extracomment>What a screen reader calls the fraction bar when it names it on its own: a noun or the word said for a bar (&quot;a over b&quot; is &quot;a divided by b&quot;).</extracomment>
        <translation>barre de fraction</translation>
    </message>
    <message>
        <source>root</source>
        <extracomment>What a screen reader calls the square-root sign √ when it names it on its own: a noun, not the word inside a spoken formula (the problem and the key have their own sentences).</extracomment>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>Answer shape</source>
        <extracomment>Spoken name of the group of buttons that choose the shape of the answer.</extracomment>
        <translation>Forme de la réponse</translation>
    </message>
    <message>
        <source>denominator</source>
        <extracomment>Spoken name of the answer box for the denominator C.</extracomment>
        <translation>dénominateur</translation>
    </message>
    <message>
        <source>number under the root</source>
        <extracomment>Spoken name of the answer box for the number B under the square root.</extracomment>
        <translation>nombre sous la racine</translation>
    </message>
    <message>
        <source>coefficient</source>
        <extracomment>Spoken name of the answer box for the coefficient A in front of the square root.</extracomment>
        <translation>coefficient</translation>
    </message>
    <message>
        <source>1 over c</source>
        <extracomment>Spoken names of the answer shapes. a, b and c are the letters drawn beside the buttons: keep them. &quot;root&quot; is a square root, &quot;over&quot; a fraction bar. Each is the whole name of its button, read on its own.</extracomment>
        <translation>1 sur c</translation>
    </message>
    <message>
        <source>root b</source>
        <extracomment>Spoken name of the answer shape √b: the square root of b alone.</extracomment>
        <translation>racine de b</translation>
    </message>
    <message>
        <source>a</source>
        <extracomment>Spoken name of the answer shape that is the letter a alone (a whole number): keep the letter.</extracomment>
        <translation>a</translation>
    </message>
    <message>
        <source>a root b</source>
        <extracomment>Spoken name of the answer shape: the coefficient a times the square root of b.</extracomment>
        <translation>a racine de b</translation>
    </message>
    <message>
        <source>a over c</source>
        <extracomment>Spoken name of the answer shape: a divided by c.</extracomment>
        <translation>a sur c</translation>
    </message>
    <message>
        <source>root b over c</source>
        <extracomment>Spoken name of the answer shape: the square root of b, divided by c.</extracomment>
        <translation>racine de b sur c</translation>
    </message>
    <message>
        <source>a root b over c</source>
        <extracomment>Spoken name of the answer shape: a times the square root of b, divided by c.</extracomment>
        <translation>a racine de b sur c</translation>
    </message>
    <message>
        <source>End of the set</source>
        <extracomment>Heard by a student with a screen reader when the twenty problems are done.</extracomment>
        <translation>Fin de la série</translation>
    </message>
    <message>
        <source>Wrong shape:</source>
        <extracomment>Heading of the note shown under the answer boxes when the chosen answer shape leaves out a part of the answer the student got wrong (the line below it names that part).
----------
Heard before the note that names the part of the answer the chosen shape leaves out.</extracomment>
        <translation>Mauvaise forme&#xa0;:</translation>
    </message>
    <message>
        <source>%1 root %2 over %3</source>
        <extracomment>What a screen reader reads for the answer key A√B / C: %1 is A, %2 is B (under the square root), %3 is C (the denominator). Put the words around the numbers as your language says it.</extracomment>
        <translation>%1 racine de %2 sur %3</translation>
    </message>
    <message>
        <source>%1 root %2 over %3 root %4</source>
        <extracomment>What a screen reader reads for the problem a√b / (c√d): %1 is a, %2 is b, %3 is c, %4 is d, as in &quot;60 root 25 over 225 root 20&quot;. Put the words around the numbers as your language says it.</extracomment>
        <translation>%1 racine de %2 sur %3 racine de %4</translation>
    </message>
</context>
</TS>
