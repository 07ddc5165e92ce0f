<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutScreen</name>
    <message>
        <source>DISCLAIMER

Quorvane is given away free of charge. Its makers accept no responsibility for any damage that the direct or indirect use of this software may do to your computer or to anything stored on it. You use it entirely at your own risk.

LEGAL INFORMATION

Quorvane was written by the Quorvane team, a small group of volunteers who make quiz games for fun.

The software must not be used for anything other than what it is meant for: playing quiz games and making question sets for them.

Anyone may offer Quorvane for download on their own web site. Linking directly to the download on our own site is not allowed; please link to our home page instead.

Other quiz games inspired Quorvane, but no part of it is copied from any of them: the program, its pictures and its sounds were all made by its makers.

CONTACT

Updates and new question sets are published on our web site:
www.quorvane.example

If you find a fault in the software, please report it with as much detail as you can (what you did, what you expected and what happened instead) to:
feedback@quorvane.example

We would also love to hear your comments and wishes about the software. Tell us what you like, what you miss and what we could do better.</source>
        <translation>HAFTUNGSAUSSCHLUSS

Quorvane wird kostenlos weitergegeben. Seine Entwickler übernehmen keinerlei Haftung für Schäden, die die direkte oder indirekte Nutzung dieser Software an Ihrem Computer oder an den darauf gespeicherten Daten verursacht. Die Nutzung erfolgt ausschließlich auf eigene Gefahr.

RECHTLICHE HINWEISE

Quorvane wurde vom Quorvane-Team geschrieben, einer kleinen Gruppe Ehrenamtlicher, die aus Spaß Quizspiele entwickeln.

Die Software darf nur für ihren eigentlichen Zweck verwendet werden: zum Spielen von Quizspielen und zum Erstellen von Fragensätzen dafür.

Jeder darf Quorvane auf seiner eigenen Website zum Herunterladen anbieten. Direkte Links auf den Download auf unserer Website sind nicht erlaubt; bitte verlinken Sie stattdessen unsere Startseite.

Andere Quizspiele haben Quorvane inspiriert, doch nichts davon ist aus einem von ihnen kopiert: Das Programm, seine Bilder und seine Klänge haben seine Entwickler alle selbst gemacht.

KONTAKT

Updates und neue Fragensätze erscheinen auf unserer Website:
www.quorvane.example

Wenn Sie einen Fehler in der Software finden, melden Sie ihn bitte so ausführlich wie möglich (was Sie getan haben, was Sie erwartet haben und was stattdessen geschehen ist) an:
feedback@quorvane.example

Wir freuen uns auch über Ihre Meinung und Ihre Wünsche zur Software. Sagen Sie uns, was Ihnen gefällt, was Ihnen fehlt und was wir besser machen könnten.</translation>
    </message>
    <message>
        <source>About Game</source>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Legal information</source>
        <translation>Rechtliche Hinweise</translation>
    </message>
    <message>
        <source>Troubleshooting and FAQ coming in next update</source>
        <translation>Hilfe und FAQ folgen im nächsten Update</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <source>Winner Certificate</source>
        <translation>Gewinnerurkunde</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Quorvane-Logo</translation>
    </message>
    <message>
        <source>This is to certify that</source>
        <translation>Hiermit wird bestätigt, dass</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>£MONEY</source>
        <translation>£BETRAG</translation>
    </message>
    <message>
        <source>[LIFELINES]</source>
        <translation>[JOKER]</translation>
    </message>
    <message>
        <source>by answering questions about the following subject:</source>
        <translation>mit Antworten auf Fragen zum Thema:</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>THEMA</translation>
    </message>
    <message>
        <source>QUORVANE</source>
        <translation>QUORVANE</translation>
    </message>
    <message>
        <source>Download it at www.quorvane.example</source>
        <translation>Zum Herunterladen auf www.quorvane.example</translation>
    </message>
    <message>
        <source>Create questions and send them round the world for your friends to try.</source>
        <translation>Erstellen Sie Fragen und schicken Sie sie Ihren Freunden in aller Welt.</translation>
    </message>
    <message>
        <source>[ %1 LIFELINES USED ]</source>
        <translation>[ %1 JOKER GENUTZT ]</translation>
    </message>
    <message>
        <source>Quorvane Certificate</source>
        <translation>Quorvane-Urkunde</translation>
    </message>
    <message>
        <source>The certificate could not be sent to the printer.</source>
        <translation>Die Urkunde konnte nicht an den Drucker gesendet werden.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer, so the certificate cannot be printed.

Save it as a PDF file instead?</source>
        <translation>Auf diesem Computer ist kein Drucker eingerichtet, daher kann die Urkunde nicht gedruckt werden.

Stattdessen als PDF-Datei speichern?</translation>
    </message>
    <message>
        <source>The certificate could not be saved as %1.

%2</source>
        <translation>Die Urkunde konnte nicht als %1 gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>won</source>
        <translation>folgenden Gewinn erzielt hat</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>window title: the certificate&apos;s text</comment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>Hi %1, I Think The Answer Is &apos;%2&apos;</source>
        <translation>Hallo %1, Ich Glaube, Die Antwort Ist &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Sorry %1, I&apos;m Not Sure. I&apos;d Guess At &apos;%2&apos;</source>
        <translation>Tut Mir Leid, %1, Ich Bin Nicht Sicher. Ich Tippe Auf &apos;%2&apos;</translation>
    </message>
    <message>
        <source>I Haven&apos;t A Clue</source>
        <translation>Ich Habe Keine Ahnung</translation>
    </message>
    <message>
        <source>The Answer Is &apos;%1&apos;. Definitely</source>
        <translation>Die Antwort Ist &apos;%1&apos;. Ganz Sicher</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>Quorvane?</source>
        <translation>Quorvane?</translation>
    </message>
    <message>
        <source>Music Off</source>
        <translation>Musik Aus</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>MILLION</source>
        <translation>MILLION</translation>
    </message>
    <message>
        <source>50% Remove</source>
        <translation>50 % Streichen</translation>
    </message>
    <message>
        <source>Ask Your Friends</source>
        <translation>Publikum Fragen</translation>
    </message>
    <message>
        <source>Ring A Buddy</source>
        <translation>Telefonjoker</translation>
    </message>
    <message>
        <source>Take Money</source>
        <translation>Geld Nehmen</translation>
    </message>
    <message>
        <source>Quit This Game</source>
        <translation>Spiel Beenden</translation>
    </message>
    <message>
        <source>Not used yet</source>
        <translation>Noch nicht eingesetzt</translation>
    </message>
    <message>
        <source>The questions could not be read from the question set.
%1</source>
        <translation>Die Fragen konnten nicht aus dem Fragensatz gelesen werden.
%1</translation>
    </message>
    <message>
        <source>You Must Have At Least One Question For Each Round</source>
        <translation>Jede Runde Braucht Mindestens Eine Frage</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>What Is Your Full Name?</source>
        <translation>Wie Lautet Ihr Vollständiger Name?</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Lets Play Quorvane!</source>
        <translation>Auf Geht’s Mit Quorvane!</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Frage %1: %2</translation>
    </message>
    <message>
        <source>Question %1 for %2. </source>
        <translation>Frage %1 um %2. </translation>
    </message>
    <message>
        <source>Money ladder: </source>
        <translation>Gewinnleiter: </translation>
    </message>
    <message>
        <source>Won so far: %1</source>
        <translation>Bisher gewonnen: %1</translation>
    </message>
    <message>
        <source>Is That Your Final Answer?</source>
        <translation>Ist Das Ihre Endgültige Antwort?</translation>
    </message>
    <message>
        <source>Answer?</source>
        <translation>Antwort?</translation>
    </message>
    <message>
        <source>Well Done. You&apos;ve Just Won %1</source>
        <translation>Sehr Gut. Sie Haben Gerade %1 Gewonnen</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Have A Look At The Next Question...</source>
        <translation>Sehen Wir Uns Die Nächste Frage An...</translation>
    </message>
    <message>
        <source>You&apos;ve Just Won £1000000!</source>
        <translation>Sie Haben Gerade £1000000 Gewonnen!</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Herzlichen Glückwunsch</translation>
    </message>
    <message>
        <source>Click Here To Continue</source>
        <translation>Hier Klicken Zum Weiterspielen</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Falsch</translation>
    </message>
    <message>
        <source>I&apos;m Afraid Its The Wrong Answer...</source>
        <translation>Das Ist Leider Die Falsche Antwort...</translation>
    </message>
    <message>
        <source>The Correct Answer Was %1</source>
        <translation>Die Richtige Antwort War %1</translation>
    </message>
    <message>
        <source>You Leave With %1</source>
        <translation>Sie Gehen Mit %1 Nach Hause</translation>
    </message>
    <message>
        <source>Leave With Nothing?</source>
        <translation>Ohne Gewinn Aufhören?</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Aufhören</translation>
    </message>
    <message>
        <source>You Go Away With %1</source>
        <translation>Sie Gehen Mit %1 Nach Hause</translation>
    </message>
    <message>
        <source>Are You Sure You Want To Quit?</source>
        <translation>Wollen Sie Wirklich Aufhören?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Musik An</translation>
    </message>
    <message>
        <source>Computer, Take Away Two Wrong Answers...</source>
        <translation>Computer, Nimm Zwei Falsche Antworten Weg...</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Eingesetzt</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>entfernt</translation>
    </message>
    <message>
        <source>Answers %1 and %2 were removed.</source>
        <translation>Die Antworten %1 und %2 wurden entfernt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Question Set</source>
        <translation>Fragensatz</translation>
    </message>
    <message>
        <source>The question was not added.</source>
        <translation>Die Frage wurde nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Quorvane?</source>
        <translation>Quorvane?</translation>
    </message>
    <message>
        <source>Add a question for every round, then press Play Game.</source>
        <translation>Fügen Sie für jede Runde eine Frage hinzu und klicken Sie dann auf Spielen.</translation>
    </message>
    <message>
        <source>Question Stats</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Add Questions</source>
        <translation>Fragen Hinzufügen</translation>
    </message>
    <message>
        <source>Question Details</source>
        <translation>Angaben zum Satz</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>GESAMT</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Antwort %1</translation>
    </message>
    <message>
        <source>Answer %1 is right</source>
        <translation>Antwort %1 ist richtig</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Add Question</source>
        <translation>Frage Hinzufügen</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Manage Questions</source>
        <translation>Fragen Verwalten</translation>
    </message>
    <message>
        <source>New Question Set</source>
        <translation>Neuer Fragensatz</translation>
    </message>
    <message>
        <source>About Game</source>
        <translation>Über das Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Current Question Set:</source>
        <translation>Aktueller Fragensatz:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Erstellt von:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>The question set cannot be opened.</source>
        <translation>Der Fragensatz kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The question set cannot be read.</source>
        <translation>Der Fragensatz kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Question creator not found</source>
        <translation>Ersteller der Fragen nicht gefunden</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Ersteller</translation>
    </message>
    <message>
        <source>Message from %1</source>
        <translation>Nachricht von %1</translation>
    </message>
    <message>
        <source>The details of the new question set cannot be saved.</source>
        <translation>Die Angaben zum neuen Fragensatz können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The questions cannot be counted.</source>
        <translation>Die Fragen können nicht gezählt werden.</translation>
    </message>
    <message>
        <source>Questions for %1: %2</source>
        <translation>Fragen um %1: %2</translation>
    </message>
    <message>
        <source>Total questions: %1</source>
        <translation>Fragen insgesamt: %1</translation>
    </message>
    <message>
        <source>Select Round</source>
        <translation>Runde Wählen</translation>
    </message>
    <message>
        <source>You Must Have At Least One Question For Each Round</source>
        <translation>Jede Runde Braucht Mindestens Eine Frage</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>Question Added</source>
        <translation>Frage Hinzugefügt</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>Fill In All Fields</source>
        <translation>Bitte Alle Felder Ausfüllen</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Felder</translation>
    </message>
    <message>
        <source>Choose Correct Answer Box</source>
        <translation>Richtige Antwort Ankreuzen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>&quot;%1&quot; came with Quorvane and cannot be changed.
Copy it into your own question sets and change the copy?</source>
        <translation>„%1“ gehört zum Lieferumfang von Quorvane und kann nicht geändert werden.
In Ihre eigenen Fragensätze kopieren und die Kopie ändern?</translation>
    </message>
    <message>
        <source>The question set cannot be copied.</source>
        <translation>Der Fragensatz kann nicht kopiert werden.</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Your name can have at most %1 characters, so that it fits on the certificate.</source>
        <translation>Ihr Name darf höchstens %1 Zeichen lang sein, damit er auf die Urkunde passt.</translation>
    </message>
</context>
<context>
    <name>PollChart</name>
    <message>
        <source>Ask Your Friends</source>
        <translation>Publikum Fragen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>PrintService</name>
    <message>
        <source>The certificate could not be drawn.</source>
        <translation>Die Urkunde konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Save Certificate</source>
        <translation>Urkunde Speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
</context>
<context>
    <name>QuestionListModel</name>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
</context>
<context>
    <name>QuestionManager</name>
    <message>
        <source>Question Set</source>
        <translation>Fragensatz</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>1 question</source>
        <translation>1 Frage</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 Fragen</translation>
    </message>
    <message>
        <source>Manage Questions</source>
        <translation>Fragen Verwalten</translation>
    </message>
    <message>
        <source>Type In Password</source>
        <translation>Passwort Eingeben</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Falsches Passwort</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import Questions from CSV…</source>
        <translation>Fragen aus CSV &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export Questions to CSV…</source>
        <translation>Fragen als CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 has %2 problem(s).

%3</source>
        <translation>Nichts wurde importiert: %1 hat %2 Fehler.

%3</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import Questions from CSV</source>
        <translation>Fragen aus CSV importieren</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Nichts wurde importiert: %1</translation>
    </message>
    <message>
        <source>%1 added from %2.</source>
        <translation>%1 aus %2 hinzugefügt.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Export Questions to CSV</source>
        <translation>Fragen als CSV exportieren</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Nichts wurde exportiert: %1</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 in %2 geschrieben.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>If you want to change your question set details, then change the contents of the boxes below and press OK. NOTE: Remember that other people may have possibly an older version of your questions, so therefore the password for those questions would still be your old one. Keep a note of all your passwords so that no-one can take the credit for your work!</source>
        <translation>Um die Angaben zu Ihrem Fragensatz zu ändern, ändern Sie die Felder unten und klicken Sie auf OK. HINWEIS: Andere haben vielleicht noch eine ältere Fassung Ihrer Fragen, für die dann weiter Ihr altes Passwort gilt. Notieren Sie alle Ihre Passwörter, damit sich niemand mit Ihrer Arbeit schmücken kann!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Type Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Question Data Could Not Be Found</source>
        <translation>Frage Nicht Gefunden</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>This question was changed by another program. Pick it again from the list.</source>
        <translation>Diese Frage wurde von einem anderen Programm geändert. Wählen Sie sie erneut aus der Liste.</translation>
    </message>
    <message>
        <source>The question could not be saved. %1</source>
        <translation>Die Frage konnte nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Question Edited</source>
        <translation>Frage Geändert</translation>
    </message>
    <message>
        <source>Edited</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>The question could not be deleted; the question set is unchanged. %1</source>
        <translation>Die Frage konnte nicht gelöscht werden; der Fragensatz ist unverändert. %1</translation>
    </message>
    <message>
        <source>Question Deleted</source>
        <translation>Frage Gelöscht</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>The message</source>
        <translation>Die Nachricht</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>Das Passwort</translation>
    </message>
    <message>
        <source>Details Changed</source>
        <translation>Angaben Geändert</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>The details were changed by another program. They are shown again as they are now; make your change again.</source>
        <translation>Die Angaben wurden von einem anderen Programm geändert. Sie werden nun im aktuellen Stand angezeigt; nehmen Sie Ihre Änderung erneut vor.</translation>
    </message>
    <message>
        <source>The details could not be saved. %1</source>
        <translation>Die Angaben konnten nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>Choose A Question From The List</source>
        <translation>Wählen Sie Eine Frage Aus Der Liste</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Round Must Be Between 1 And 15</source>
        <translation>Die Runde Muss Zwischen 1 Und 15 Liegen</translation>
    </message>
    <message>
        <source>Right Answer Must Be Between &apos;A&apos; And &apos;D&apos;</source>
        <translation>Die Richtige Antwort Muss Zwischen &apos;A&apos; Und &apos;D&apos; Liegen</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Find, %1</source>
        <comment>the count</comment>
        <translation>Suchen, %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>questions listed of the set&apos;s</comment>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>QuestionSet</name>
    <message>
        <source>%1 holds characters that a question set cannot store: %2</source>
        <translation>%1 enthält Zeichen, die ein Fragensatz nicht speichern kann: %2</translation>
    </message>
    <message>
        <source>The question</source>
        <translation>Die Frage</translation>
    </message>
    <message>
        <source>Answer A</source>
        <translation>Antwort A</translation>
    </message>
    <message>
        <source>Answer B</source>
        <translation>Antwort B</translation>
    </message>
    <message>
        <source>Answer C</source>
        <translation>Antwort C</translation>
    </message>
    <message>
        <source>Answer D</source>
        <translation>Antwort D</translation>
    </message>
    <message>
        <source>The set name must not contain / or \.</source>
        <translation>Der Name des Satzes darf weder / noch \ enthalten.</translation>
    </message>
    <message>
        <source>The set name must not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Der Name des Satzes darf nicht „.“ oder „..“ lauten.</translation>
    </message>
    <message>
        <source>The set name must not contain control characters.</source>
        <translation>Der Name des Satzes darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>The set name is too long: a set&apos;s file name may take at most %1 bytes (an accented letter takes two).</source>
        <translation>Der Name des Satzes ist zu lang: Der Dateiname eines Satzes darf höchstens %1 Byte belegen (ein Umlaut oder Akzentbuchstabe belegt zwei).</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; cannot be opened or created: %2</source>
        <translation>Der Fragensatz „%1“ kann weder geöffnet noch angelegt werden: %2</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; no longer exists.</source>
        <translation>Den Fragensatz „%1“ gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; has lost its header and cannot be changed.</source>
        <translation>Der Fragensatz „%1“ hat seinen Kopfeintrag verloren und kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>This question set is full: no more questions can be added to it.</source>
        <translation>Dieser Fragensatz ist voll: Es können keine Fragen mehr hinzugefügt werden.</translation>
    </message>
</context>
<context>
    <name>SetLock</name>
    <message>
        <source>%1 is being changed by another program; try again.</source>
        <translation>%1 wird gerade von einem anderen Programm geändert; versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is read-only: nothing in it can be changed.</source>
        <translation>%1 ist schreibgeschützt: Darin kann nichts geändert werden.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Question Set</source>
        <translation>Fragensatz</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Quorvane?</source>
        <translation>Quorvane?</translation>
    </message>
    <message>
        <source>If you would like to load a set of questions, select it from the list below.</source>
        <translation>Um einen Fragensatz zu laden, wählen Sie ihn aus der Liste unten.</translation>
    </message>
    <message>
        <source>Question sets</source>
        <translation>Fragensätze</translation>
    </message>
    <message>
        <source>If you would like to create a new set of questions, enter the file name below. Do NOT add any file extensions or it will not run properly.</source>
        <translation>Um einen neuen Fragensatz anzulegen, geben Sie unten den Dateinamen ein. Fügen Sie KEINE Dateiendung an, sonst funktioniert er nicht richtig.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Nachricht</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>NOTE: In order to stop people from altering the questions you have made, type in a password into the password box. It must be no more than 6 characters. Make sure you WRITE IT DOWN!</source>
        <translation>HINWEIS: Damit niemand Ihre Fragen verändern kann, geben Sie ein Passwort in das Passwortfeld ein. Es darf höchstens 6 Zeichen lang sein. SCHREIBEN SIE ES UNBEDINGT AUF!</translation>
    </message>
    <message>
        <source>The beauty of this system is you can send and receive the question files between friends across the net and play what they have made. Other people may also want to play with your questions. To let everyone know who created these specific questions, enter your name and any message you would like to give to your players.</source>
        <translation>Das Schöne daran: Sie können Fragendateien mit Freunden übers Internet austauschen und spielen, was die anderen erstellt haben. Vielleicht wollen auch andere mit Ihren Fragen spielen. Damit alle wissen, wer diese Fragen erstellt hat, geben Sie Ihren Namen und eine Nachricht an Ihre Mitspieler ein.</translation>
    </message>
    <message>
        <source>Visit our web site for updates and new question sets. Made a set you are proud of? Send us your .dat file and we will publish it there for everyone to play.</source>
        <translation>Auf unserer Website finden Sie Updates und neue Fragensätze. Sie sind stolz auf einen eigenen Satz? Schicken Sie uns Ihre .dat-Datei, und wir veröffentlichen sie dort für alle.</translation>
    </message>
    <message>
        <source>1 file is not listed: its name is not valid UTF-8.</source>
        <translation>1 Datei wird nicht angezeigt: Ihr Name ist kein gültiges UTF-8.</translation>
    </message>
    <message>
        <source>%1 files are not listed: their names are not valid UTF-8.</source>
        <translation>%1 Dateien werden nicht angezeigt: Ihre Namen sind kein gültiges UTF-8.</translation>
    </message>
    <message>
        <source>Sets in italics came with Quorvane: they play, and can be copied into your own sets to be changed.</source>
        <translation>Kursive Sätze gehören zu Quorvane: Sie können damit spielen und sie zum Ändern in Ihre eigenen Sätze kopieren.</translation>
    </message>
    <message>
        <source>&amp;Add a Set from a File…</source>
        <translation>Satz aus &amp;Datei Hinzufügen…</translation>
    </message>
    <message>
        <source>Copies a .dat file, such as one a friend sent, into your question sets. You can also drop files onto the list.</source>
        <translation>Kopiert eine .dat-Datei, etwa von einem Freund, in Ihre Fragensätze. Sie können Dateien auch auf die Liste ziehen.</translation>
    </message>
    <message>
        <source>%1 (came with Quorvane, cannot be changed)</source>
        <translation>%1 (gehört zu Quorvane, nicht änderbar)</translation>
    </message>
    <message>
        <source>Add a Set from a File</source>
        <translation>Satz aus Datei Hinzufügen</translation>
    </message>
    <message>
        <source>Question sets (*.dat);;All files (*)</source>
        <translation>Fragensätze (*.dat);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add a Set</source>
        <translation>Satz Hinzufügen</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; is already there. Keep both, or replace it?</source>
        <translation>Ein Satz namens „%1“ ist bereits vorhanden. Beide behalten oder ersetzen?</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Beide Behalten</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>place in the list</comment>
        <translation>%1 von %2</translation>
    </message>
</context>
</TS>
