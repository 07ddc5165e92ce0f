<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>AVERTISSEMENT

Quorvane est distribué gratuitement. Ses auteurs déclinent toute responsabilité pour les dommages que l&apos;utilisation directe ou indirecte de ce logiciel pourrait causer à votre ordinateur ou aux données qu&apos;il contient. Vous l&apos;utilisez entièrement à vos propres risques.

MENTIONS LÉGALES

Quorvane a été écrit par l&apos;équipe Quorvane, un petit groupe de bénévoles qui créent des jeux de quiz pour le plaisir.

Le logiciel ne doit servir à rien d&apos;autre qu&apos;à ce pour quoi il est fait&#xa0;: jouer à des jeux de quiz et créer des séries de questions pour ces jeux.

Chacun peut proposer Quorvane au téléchargement sur son propre site web. Les liens directs vers le téléchargement sur notre site ne sont pas autorisés&#xa0;; merci de renvoyer plutôt vers notre page d&apos;accueil.

D&apos;autres jeux de quiz ont inspiré Quorvane, mais rien n&apos;y est copié de l&apos;un d&apos;eux&#xa0;: le programme, ses images et ses sons ont tous été créés par ses auteurs.

CONTACT

Les mises à jour et les nouvelles séries de questions sont publiées sur notre site web&#xa0;:
www.quorvane.example

Si vous trouvez un défaut dans le logiciel, merci de nous le signaler avec autant de détails que possible (ce que vous avez fait, ce que vous attendiez et ce qui s&apos;est passé à la place) à&#xa0;:
feedback@quorvane.example

Nous serions aussi ravis de recevoir vos commentaires et vos souhaits sur le logiciel. Dites-nous ce qui vous plaît, ce qui vous manque et ce que nous pourrions améliorer.</translation>
    </message>
    <message>
        <source>About Game</source>
        <translation>À Propos du Jeu</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Legal information</source>
        <translation>Mentions légales</translation>
    </message>
    <message>
        <source>Troubleshooting and FAQ coming in next update</source>
        <translation>Dépannage et FAQ dans la prochaine mise à jour</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <source>Winner Certificate</source>
        <translation>Certificat du Gagnant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Logo de Quorvane</translation>
    </message>
    <message>
        <source>This is to certify that</source>
        <translation>Nous certifions que</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <source>£MONEY</source>
        <translation>£MONTANT</translation>
    </message>
    <message>
        <source>[LIFELINES]</source>
        <translation>[JOKERS]</translation>
    </message>
    <message>
        <source>by answering questions about the following subject:</source>
        <translation>en répondant à des questions sur le thème suivant&#xa0;:</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>THÈME</translation>
    </message>
    <message>
        <source>QUORVANE</source>
        <translation>QUORVANE</translation>
    </message>
    <message>
        <source>Download it at www.quorvane.example</source>
        <translation>Téléchargez-le sur www.quorvane.example</translation>
    </message>
    <message>
        <source>Create questions and send them round the world for your friends to try.</source>
        <translation>Créez vos questions et envoyez-les à vos amis aux quatre coins du monde.</translation>
    </message>
    <message>
        <source>[ %1 LIFELINES USED ]</source>
        <translation>[ %1 JOKERS UTILISÉS ]</translation>
    </message>
    <message>
        <source>Quorvane Certificate</source>
        <translation>Certificat Quorvane</translation>
    </message>
    <message>
        <source>The certificate could not be sent to the printer.</source>
        <translation>Le certificat n&apos;a pas pu être envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer, so the certificate cannot be printed.

Save it as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est configurée sur cet ordinateur&#xa0;: le certificat ne peut pas être imprimé.

L&apos;enregistrer plutôt en fichier PDF&#xa0;?</translation>
    </message>
    <message>
        <source>The certificate could not be saved as %1.

%2</source>
        <translation>Le certificat n&apos;a pas pu être enregistré sous %1.

%2</translation>
    </message>
    <message>
        <source>won</source>
        <translation>a gagné</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>window title: the certificate&apos;s text</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GameRules</name>
    <message>
        <source>Hi %1, I Think The Answer Is &apos;%2&apos;</source>
        <translation>Salut %1, Je Pense Que C&apos;est la Réponse &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Sorry %1, I&apos;m Not Sure. I&apos;d Guess At &apos;%2&apos;</source>
        <translation>Désolé %1, Je Ne Suis Pas Sûr. Je Dirais &apos;%2&apos;</translation>
    </message>
    <message>
        <source>I Haven&apos;t A Clue</source>
        <translation>Je N&apos;en Ai Aucune Idée</translation>
    </message>
    <message>
        <source>The Answer Is &apos;%1&apos;. Definitely</source>
        <translation>C&apos;est la Réponse &apos;%1&apos;. Sans Aucun Doute</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>Quorvane?</source>
        <translation>Quorvane&#xa0;?</translation>
    </message>
    <message>
        <source>Music Off</source>
        <translation>Sans Musique</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>MILLION</source>
        <translation>MILLION</translation>
    </message>
    <message>
        <source>50% Remove</source>
        <translation>Retirer 50 %</translation>
    </message>
    <message>
        <source>Ask Your Friends</source>
        <translation>Avis du Public</translation>
    </message>
    <message>
        <source>Ring A Buddy</source>
        <translation>Appel à un Ami</translation>
    </message>
    <message>
        <source>Take Money</source>
        <translation>Prendre l&apos;Argent</translation>
    </message>
    <message>
        <source>Quit This Game</source>
        <translation>Quitter la Partie</translation>
    </message>
    <message>
        <source>Not used yet</source>
        <translation>Pas encore utilisé</translation>
    </message>
    <message>
        <source>The questions could not be read from the question set.
%1</source>
        <translation>Les questions n&apos;ont pas pu être lues dans la série.
%1</translation>
    </message>
    <message>
        <source>You Must Have At Least One Question For Each Round</source>
        <translation>Il Faut au Moins Une Question par Manche</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>What Is Your Full Name?</source>
        <translation>Quel Est Votre Nom Complet&#xa0;?</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Lets Play Quorvane!</source>
        <translation>Jouons à Quorvane&#xa0;!</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Question %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Question %1 for %2. </source>
        <translation>Question %1 pour %2. </translation>
    </message>
    <message>
        <source>Money ladder: </source>
        <translation>Pyramide des gains&#xa0;: </translation>
    </message>
    <message>
        <source>Won so far: %1</source>
        <translation>Gagné jusqu&apos;ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>Is That Your Final Answer?</source>
        <translation>C&apos;est Votre Dernier Mot&#xa0;?</translation>
    </message>
    <message>
        <source>Answer?</source>
        <translation>Réponse&#xa0;?</translation>
    </message>
    <message>
        <source>Well Done. You&apos;ve Just Won %1</source>
        <translation>Bravo. Vous Venez de Gagner %1</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Bonne Réponse</translation>
    </message>
    <message>
        <source>Have A Look At The Next Question...</source>
        <translation>Voyons la Question Suivante...</translation>
    </message>
    <message>
        <source>You&apos;ve Just Won £1000000!</source>
        <translation>Vous Venez de Gagner £1000000&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Félicitations</translation>
    </message>
    <message>
        <source>Click Here To Continue</source>
        <translation>Cliquez Ici Pour Continuer</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Mauvaise Réponse</translation>
    </message>
    <message>
        <source>I&apos;m Afraid Its The Wrong Answer...</source>
        <translation>J&apos;ai Bien Peur Que Ce Soit la Mauvaise Réponse...</translation>
    </message>
    <message>
        <source>The Correct Answer Was %1</source>
        <translation>La Bonne Réponse Était %1</translation>
    </message>
    <message>
        <source>You Leave With %1</source>
        <translation>Vous Repartez Avec %1</translation>
    </message>
    <message>
        <source>Leave With Nothing?</source>
        <translation>Repartir Sans Rien&#xa0;?</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Partir</translation>
    </message>
    <message>
        <source>You Go Away With %1</source>
        <translation>Vous Repartez Avec %1</translation>
    </message>
    <message>
        <source>Are You Sure You Want To Quit?</source>
        <translation>Voulez-Vous Vraiment Abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Avec Musique</translation>
    </message>
    <message>
        <source>Computer, Take Away Two Wrong Answers...</source>
        <translation>Ordinateur, Retirez Deux Mauvaises Réponses...</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Utilisé</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>retirée</translation>
    </message>
    <message>
        <source>Answers %1 and %2 were removed.</source>
        <translation>Les réponses %1 et %2 ont été retirées.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Question Set</source>
        <translation>Série de Questions</translation>
    </message>
    <message>
        <source>The question was not added.</source>
        <translation>La question n&apos;a pas été ajoutée.</translation>
    </message>
    <message>
        <source>Quorvane?</source>
        <translation>Quorvane&#xa0;?</translation>
    </message>
    <message>
        <source>Add a question for every round, then press Play Game.</source>
        <translation>Ajoutez une question pour chaque manche, puis cliquez sur Jouer.</translation>
    </message>
    <message>
        <source>Question Stats</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Add Questions</source>
        <translation>Ajouter des Questions</translation>
    </message>
    <message>
        <source>Question Details</source>
        <translation>Détails de la Série</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Réponse %1</translation>
    </message>
    <message>
        <source>Answer %1 is right</source>
        <translation>La réponse %1 est la bonne</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de Passe</translation>
    </message>
    <message>
        <source>Add Question</source>
        <translation>Ajouter la Question</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Manage Questions</source>
        <translation>Gérer les Questions</translation>
    </message>
    <message>
        <source>New Question Set</source>
        <translation>Nouvelle Série</translation>
    </message>
    <message>
        <source>About Game</source>
        <translation>À Propos du Jeu</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Current Question Set:</source>
        <translation>Série actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Créée par&#xa0;:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>The question set cannot be opened.</source>
        <translation>La série de questions ne peut pas être ouverte.</translation>
    </message>
    <message>
        <source>The question set cannot be read.</source>
        <translation>La série de questions ne peut pas être lue.</translation>
    </message>
    <message>
        <source>Question creator not found</source>
        <translation>Auteur des questions introuvable</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>Message from %1</source>
        <translation>Message de %1</translation>
    </message>
    <message>
        <source>The details of the new question set cannot be saved.</source>
        <translation>Les informations de la nouvelle série ne peuvent pas être enregistrées.</translation>
    </message>
    <message>
        <source>The questions cannot be counted.</source>
        <translation>Les questions ne peuvent pas être comptées.</translation>
    </message>
    <message>
        <source>Questions for %1: %2</source>
        <translation>Questions pour %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Total questions: %1</source>
        <translation>Total des questions&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select Round</source>
        <translation>Choisir la Manche</translation>
    </message>
    <message>
        <source>You Must Have At Least One Question For Each Round</source>
        <translation>Il Faut au Moins Une Question par Manche</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>Question Added</source>
        <translation>Question Ajoutée</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajoutée</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Mot de Passe Incorrect</translation>
    </message>
    <message>
        <source>Fill In All Fields</source>
        <translation>Remplissez Tous les Champs</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Champs</translation>
    </message>
    <message>
        <source>Choose Correct Answer Box</source>
        <translation>Cochez la Bonne Réponse</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; came with Quorvane and cannot be changed.
Copy it into your own question sets and change the copy?</source>
        <translation>« %1 » est fournie avec Quorvane et ne peut pas être modifiée.
La copier dans vos propres séries de questions et modifier la copie&#xa0;?</translation>
    </message>
    <message>
        <source>The question set cannot be copied.</source>
        <translation>La série de questions ne peut pas être copiée.</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Your name can have at most %1 characters, so that it fits on the certificate.</source>
        <translation>Votre nom peut compter au plus %1 caractères, pour tenir sur le certificat.</translation>
    </message>
</context>
<context>
    <name>PollChart</name>
    <message>
        <source>Ask Your Friends</source>
        <translation>Avis du Public</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>PrintService</name>
    <message>
        <source>The certificate could not be drawn.</source>
        <translation>Le certificat n&apos;a pas pu être dessiné.</translation>
    </message>
    <message>
        <source>Save Certificate</source>
        <translation>Enregistrer le Certificat</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>QuestionListModel</name>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bonne rép.</translation>
    </message>
</context>
<context>
    <name>QuestionManager</name>
    <message>
        <source>Question Set</source>
        <translation>Série de Questions</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>1 question</source>
        <translation>1 question</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 questions</translation>
    </message>
    <message>
        <source>Manage Questions</source>
        <translation>Gérer les Questions</translation>
    </message>
    <message>
        <source>Type In Password</source>
        <translation>Saisissez le Mot de Passe</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de Passe</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Mot de Passe Incorrect</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import Questions from CSV…</source>
        <translation>&amp;Importer des questions depuis un CSV…</translation>
    </message>
    <message>
        <source>&amp;Export Questions to CSV…</source>
        <translation>E&amp;xporter les questions en CSV…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 has %2 problem(s).

%3</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1 contient %2 problème(s).

%3</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Import Questions from CSV</source>
        <translation>Importer des questions depuis un CSV</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 added from %2.</source>
        <translation>%1 ajoutée(s) depuis %2.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Export Questions to CSV</source>
        <translation>Exporter les questions en CSV</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>Rien n&apos;a été exporté&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 écrite(s) dans %2.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Bonne rép.</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Manche</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>If you want to change your question set details, then change the contents of the boxes below and press OK. NOTE: Remember that other people may have possibly an older version of your questions, so therefore the password for those questions would still be your old one. Keep a note of all your passwords so that no-one can take the credit for your work!</source>
        <translation>Pour modifier les informations de votre série, changez le contenu des cases ci-dessous et cliquez sur OK. REMARQUE&#xa0;: d&apos;autres joueurs ont peut-être une ancienne version de vos questions, dont le mot de passe reste alors l&apos;ancien. Notez bien tous vos mots de passe, pour que personne ne s&apos;attribue votre travail&#xa0;!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre Nom</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Type Password</source>
        <translation>Mot de Passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Question Data Could Not Be Found</source>
        <translation>Question Introuvable</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>This question was changed by another program. Pick it again from the list.</source>
        <translation>Cette question a été modifiée par un autre programme. Choisissez-la de nouveau dans la liste.</translation>
    </message>
    <message>
        <source>The question could not be saved. %1</source>
        <translation>La question n&apos;a pas pu être enregistrée. %1</translation>
    </message>
    <message>
        <source>Question Edited</source>
        <translation>Question Modifiée</translation>
    </message>
    <message>
        <source>Edited</source>
        <translation>Modifiée</translation>
    </message>
    <message>
        <source>The question could not be deleted; the question set is unchanged. %1</source>
        <translation>La question n&apos;a pas pu être supprimée&#xa0;; la série est inchangée. %1</translation>
    </message>
    <message>
        <source>Question Deleted</source>
        <translation>Question Supprimée</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimée</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>The message</source>
        <translation>Le message</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>Le mot de passe</translation>
    </message>
    <message>
        <source>Details Changed</source>
        <translation>Informations Modifiées</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifiées</translation>
    </message>
    <message>
        <source>The details were changed by another program. They are shown again as they are now; make your change again.</source>
        <translation>Les informations ont été modifiées par un autre programme. Elles sont affichées telles quelles&#xa0;; refaites votre modification.</translation>
    </message>
    <message>
        <source>The details could not be saved. %1</source>
        <translation>Les informations n&apos;ont pas pu être enregistrées. %1</translation>
    </message>
    <message>
        <source>Choose A Question From The List</source>
        <translation>Choisissez Une Question dans la Liste</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Round Must Be Between 1 And 15</source>
        <translation>La Manche Doit Être Entre 1 et 15</translation>
    </message>
    <message>
        <source>Right Answer Must Be Between &apos;A&apos; And &apos;D&apos;</source>
        <translation>La Bonne Réponse Doit Être Entre &apos;A&apos; et &apos;D&apos;</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Find, %1</source>
        <comment>the count</comment>
        <translation>Rechercher, %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>questions listed of the set&apos;s</comment>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>QuestionSet</name>
    <message>
        <source>%1 holds characters that a question set cannot store: %2</source>
        <translation>%1 contient des caractères impossibles à enregistrer dans une série&#xa0;: %2</translation>
    </message>
    <message>
        <source>The question</source>
        <translation>La question</translation>
    </message>
    <message>
        <source>Answer A</source>
        <translation>La réponse A</translation>
    </message>
    <message>
        <source>Answer B</source>
        <translation>La réponse B</translation>
    </message>
    <message>
        <source>Answer C</source>
        <translation>La réponse C</translation>
    </message>
    <message>
        <source>Answer D</source>
        <translation>La réponse D</translation>
    </message>
    <message>
        <source>The set name must not contain / or \.</source>
        <translation>Le nom de la série ne doit contenir ni / ni \.</translation>
    </message>
    <message>
        <source>The set name must not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>Le nom de la série ne peut pas être « . » ni « .. ».</translation>
    </message>
    <message>
        <source>The set name must not contain control characters.</source>
        <translation>Le nom de la série ne doit pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>The set name is too long: a set&apos;s file name may take at most %1 bytes (an accented letter takes two).</source>
        <translation>Le nom de la série est trop long&#xa0;: le nom de fichier d&apos;une série peut occuper au plus %1 octets (une lettre accentuée en prend deux).</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; cannot be opened or created: %2</source>
        <translation>La série de questions « %1 » ne peut être ni ouverte ni créée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; no longer exists.</source>
        <translation>La série de questions « %1 » n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; has lost its header and cannot be changed.</source>
        <translation>La série de questions « %1 » a perdu son en-tête et ne peut plus être modifiée.</translation>
    </message>
    <message>
        <source>This question set is full: no more questions can be added to it.</source>
        <translation>Cette série est pleine&#xa0;: on ne peut plus y ajouter de questions.</translation>
    </message>
</context>
<context>
    <name>SetLock</name>
    <message>
        <source>%1 is being changed by another program; try again.</source>
        <translation>%1 est en cours de modification par un autre programme&#xa0;; réessayez.</translation>
    </message>
    <message>
        <source>%1 is read-only: nothing in it can be changed.</source>
        <translation>%1 est en lecture seule&#xa0;: rien ne peut y être modifié.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Question Set</source>
        <translation>Série de Questions</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Quorvane?</source>
        <translation>Quorvane&#xa0;?</translation>
    </message>
    <message>
        <source>If you would like to load a set of questions, select it from the list below.</source>
        <translation>Pour charger une série de questions, choisissez-la dans la liste ci-dessous.</translation>
    </message>
    <message>
        <source>Question sets</source>
        <translation>Séries de questions</translation>
    </message>
    <message>
        <source>If you would like to create a new set of questions, enter the file name below. Do NOT add any file extensions or it will not run properly.</source>
        <translation>Pour créer une nouvelle série de questions, saisissez le nom du fichier ci-dessous. N&apos;ajoutez SURTOUT PAS d&apos;extension de fichier, sinon elle ne fonctionnera pas correctement.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nom du Fichier</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre Nom</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de Passe</translation>
    </message>
    <message>
        <source>NOTE: In order to stop people from altering the questions you have made, type in a password into the password box. It must be no more than 6 characters. Make sure you WRITE IT DOWN!</source>
        <translation>REMARQUE&#xa0;: pour empêcher les autres de modifier vos questions, saisissez un mot de passe dans la case prévue. Il ne doit pas dépasser 6 caractères. Surtout, NOTEZ-LE BIEN&#xa0;!</translation>
    </message>
    <message>
        <source>The beauty of this system is you can send and receive the question files between friends across the net and play what they have made. Other people may also want to play with your questions. To let everyone know who created these specific questions, enter your name and any message you would like to give to your players.</source>
        <translation>Le grand avantage de ce système&#xa0;: vous pouvez échanger des fichiers de questions avec vos amis par Internet et jouer à ce qu&apos;ils ont créé. D&apos;autres voudront peut-être aussi jouer avec vos questions. Pour que chacun sache qui a créé ces questions, saisissez votre nom et le message que vous souhaitez adresser à vos joueurs.</translation>
    </message>
    <message>
        <source>Visit our web site for updates and new question sets. Made a set you are proud of? Send us your .dat file and we will publish it there for everyone to play.</source>
        <translation>Rendez-vous sur notre site web pour les mises à jour et de nouvelles séries de questions. Vous êtes fier d&apos;une série&#xa0;? Envoyez-nous votre fichier .dat et nous la publierons pour que tout le monde puisse y jouer.</translation>
    </message>
    <message>
        <source>1 file is not listed: its name is not valid UTF-8.</source>
        <translation>1 fichier n&apos;est pas affiché&#xa0;: son nom n&apos;est pas en UTF-8 valide.</translation>
    </message>
    <message>
        <source>%1 files are not listed: their names are not valid UTF-8.</source>
        <translation>%1 fichiers ne sont pas affichés&#xa0;: leurs noms ne sont pas en UTF-8 valide.</translation>
    </message>
    <message>
        <source>Sets in italics came with Quorvane: they play, and can be copied into your own sets to be changed.</source>
        <translation>Les séries en italique sont fournies avec Quorvane&#xa0;: on peut y jouer, et les copier dans vos séries pour les modifier.</translation>
    </message>
    <message>
        <source>&amp;Add a Set from a File…</source>
        <translation>&amp;Ajouter une Série d&apos;un Fichier…</translation>
    </message>
    <message>
        <source>Copies a .dat file, such as one a friend sent, into your question sets. You can also drop files onto the list.</source>
        <translation>Copie un fichier .dat, par exemple envoyé par un ami, dans vos séries de questions. Vous pouvez aussi déposer des fichiers sur la liste.</translation>
    </message>
    <message>
        <source>%1 (came with Quorvane, cannot be changed)</source>
        <translation>%1 (fournie avec Quorvane, non modifiable)</translation>
    </message>
    <message>
        <source>Add a Set from a File</source>
        <translation>Ajouter une Série d&apos;un Fichier</translation>
    </message>
    <message>
        <source>Question sets (*.dat);;All files (*)</source>
        <translation>Séries de questions (*.dat);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add a Set</source>
        <translation>Ajouter une Série</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; is already there. Keep both, or replace it?</source>
        <translation>Une série nommée « %1 » existe déjà. Garder les deux, ou la remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Garder les Deux</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>place in the list</comment>
        <translation>%1 sur %2</translation>
    </message>
</context>
</TS>
