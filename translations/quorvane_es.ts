<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>AVISO

Quorvane se distribuye gratis. Sus autores no se hacen responsables de ningún daño que el uso directo o indirecto de este programa pueda causar a tu ordenador o a cualquier cosa guardada en él. Lo usas bajo tu propia responsabilidad.

INFORMACIÓN LEGAL

Quorvane lo ha escrito el equipo de Quorvane, un pequeño grupo de voluntarios que crean juegos de preguntas por diversión.

El programa no debe usarse para nada distinto de aquello para lo que está pensado: jugar a juegos de preguntas y crear colecciones de preguntas para ellos.

Cualquiera puede ofrecer Quorvane para descargar en su propia web. No se permite enlazar directamente a la descarga de nuestra web; enlaza en su lugar a nuestra página de inicio.

Otros juegos de preguntas inspiraron Quorvane, pero no hay nada copiado de ninguno de ellos: el programa, sus imágenes y sus sonidos los han creado sus autores.

CONTACTO

Las actualizaciones y las nuevas colecciones de preguntas se publican en nuestra web:
www.quorvane.example

Si encuentras un fallo en el programa, avísanos con todo el detalle que puedas (qué hiciste, qué esperabas y qué pasó en su lugar) en:
feedback@quorvane.example

También nos encantará conocer tus comentarios y deseos sobre el programa. Dinos qué te gusta, qué echas de menos y qué podríamos hacer mejor.</translation>
    </message>
    <message>
        <source>About Game</source>
        <translation>Acerca del Juego</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Legal information</source>
        <translation>Información legal</translation>
    </message>
    <message>
        <source>Troubleshooting and FAQ coming in next update</source>
        <translation>Ayuda y preguntas frecuentes en la próxima versión</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>CertificateWindow</name>
    <message>
        <source>Winner Certificate</source>
        <translation>Diploma del Ganador</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Quorvane logo</source>
        <translation>Logotipo de Quorvane</translation>
    </message>
    <message>
        <source>This is to certify that</source>
        <translation>Por la presente se certifica que</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>£MONEY</source>
        <translation>£PREMIO</translation>
    </message>
    <message>
        <source>[LIFELINES]</source>
        <translation>[COMODINES]</translation>
    </message>
    <message>
        <source>by answering questions about the following subject:</source>
        <translation>respondiendo preguntas sobre el siguiente tema:</translation>
    </message>
    <message>
        <source>SUBJECT</source>
        <translation>TEMA</translation>
    </message>
    <message>
        <source>QUORVANE</source>
        <translation>QUORVANE</translation>
    </message>
    <message>
        <source>Download it at www.quorvane.example</source>
        <translation>Descárgalo en www.quorvane.example</translation>
    </message>
    <message>
        <source>Create questions and send them round the world for your friends to try.</source>
        <translation>Crea preguntas y envíalas a tus amigos de todo el mundo para que las prueben.</translation>
    </message>
    <message>
        <source>[ %1 LIFELINES USED ]</source>
        <translation>[ USÓ %1 COMODINES ]</translation>
    </message>
    <message>
        <source>Quorvane Certificate</source>
        <translation>Diploma de Quorvane</translation>
    </message>
    <message>
        <source>The certificate could not be sent to the printer.</source>
        <translation>No se ha podido enviar el diploma a la impresora.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>There is no printer set up on this computer, so the certificate cannot be printed.

Save it as a PDF file instead?</source>
        <translation>No hay ninguna impresora configurada en este ordenador, así que el diploma no se puede imprimir.

¿Guardarlo como archivo PDF?</translation>
    </message>
    <message>
        <source>The certificate could not be saved as %1.

%2</source>
        <translation>No se ha podido guardar el diploma como %1.

%2</translation>
    </message>
    <message>
        <source>won</source>
        <translation>ha ganado</translation>
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
        <translation>Hola %1, Creo Que la Respuesta Es la &apos;%2&apos;</translation>
    </message>
    <message>
        <source>Sorry %1, I&apos;m Not Sure. I&apos;d Guess At &apos;%2&apos;</source>
        <translation>Lo Siento %1, No Estoy Seguro. Yo Diría la &apos;%2&apos;</translation>
    </message>
    <message>
        <source>I Haven&apos;t A Clue</source>
        <translation>No Tengo Ni Idea</translation>
    </message>
    <message>
        <source>The Answer Is &apos;%1&apos;. Definitely</source>
        <translation>La Respuesta Es la &apos;%1&apos;. Seguro</translation>
    </message>
</context>
<context>
    <name>GameScreen</name>
    <message>
        <source>Quorvane?</source>
        <translation>¿Quorvane?</translation>
    </message>
    <message>
        <source>Music Off</source>
        <translation>Quitar Música</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>MILLION</source>
        <translation>MILLÓN</translation>
    </message>
    <message>
        <source>50% Remove</source>
        <translation>Quitar 50%</translation>
    </message>
    <message>
        <source>Ask Your Friends</source>
        <translation>Preguntar al Público</translation>
    </message>
    <message>
        <source>Ring A Buddy</source>
        <translation>Llamar a un Amigo</translation>
    </message>
    <message>
        <source>Take Money</source>
        <translation>Plantarse</translation>
    </message>
    <message>
        <source>Quit This Game</source>
        <translation>Abandonar Partida</translation>
    </message>
    <message>
        <source>Not used yet</source>
        <translation>Sin usar</translation>
    </message>
    <message>
        <source>The questions could not be read from the question set.
%1</source>
        <translation>No se han podido leer las preguntas de la colección.
%1</translation>
    </message>
    <message>
        <source>You Must Have At Least One Question For Each Round</source>
        <translation>Debe Haber Al Menos Una Pregunta por Ronda</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>What Is Your Full Name?</source>
        <translation>¿Cuál Es Tu Nombre Completo?</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Lets Play Quorvane!</source>
        <translation>¡Juguemos a Quorvane!</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Pregunta %1: %2</translation>
    </message>
    <message>
        <source>Question %1 for %2. </source>
        <translation>Pregunta %1 por %2. </translation>
    </message>
    <message>
        <source>Money ladder: </source>
        <translation>Escala de premios: </translation>
    </message>
    <message>
        <source>Won so far: %1</source>
        <translation>Ganado hasta ahora: %1</translation>
    </message>
    <message>
        <source>Is That Your Final Answer?</source>
        <translation>¿Es Tu Respuesta Definitiva?</translation>
    </message>
    <message>
        <source>Answer?</source>
        <translation>¿Respuesta?</translation>
    </message>
    <message>
        <source>Well Done. You&apos;ve Just Won %1</source>
        <translation>Muy Bien. Acabas de Ganar %1</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Have A Look At The Next Question...</source>
        <translation>Veamos la Siguiente Pregunta...</translation>
    </message>
    <message>
        <source>You&apos;ve Just Won £1000000!</source>
        <translation>¡Acabas de Ganar £1000000!</translation>
    </message>
    <message>
        <source>Congratulations</source>
        <translation>Enhorabuena</translation>
    </message>
    <message>
        <source>Click Here To Continue</source>
        <translation>Haz Clic Aquí Para Continuar</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
    <message>
        <source>I&apos;m Afraid Its The Wrong Answer...</source>
        <translation>Me Temo Que No Es la Respuesta Correcta...</translation>
    </message>
    <message>
        <source>The Correct Answer Was %1</source>
        <translation>La Respuesta Correcta Era la %1</translation>
    </message>
    <message>
        <source>You Leave With %1</source>
        <translation>Te Llevas %1</translation>
    </message>
    <message>
        <source>Leave With Nothing?</source>
        <translation>¿Irte Sin Nada?</translation>
    </message>
    <message>
        <source>Leave</source>
        <translation>Plantarse</translation>
    </message>
    <message>
        <source>You Go Away With %1</source>
        <translation>Te Llevas %1</translation>
    </message>
    <message>
        <source>Are You Sure You Want To Quit?</source>
        <translation>¿Seguro Que Quieres Abandonar?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Music On</source>
        <translation>Poner Música</translation>
    </message>
    <message>
        <source>Computer, Take Away Two Wrong Answers...</source>
        <translation>Ordenador, Quita Dos Respuestas Incorrectas...</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Usado</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminada</translation>
    </message>
    <message>
        <source>Answers %1 and %2 were removed.</source>
        <translation>Se han quitado las respuestas %1 y %2.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Question Set</source>
        <translation>Colección de Preguntas</translation>
    </message>
    <message>
        <source>The question was not added.</source>
        <translation>La pregunta no se ha añadido.</translation>
    </message>
    <message>
        <source>Quorvane?</source>
        <translation>¿Quorvane?</translation>
    </message>
    <message>
        <source>Add a question for every round, then press Play Game.</source>
        <translation>Añade una pregunta para cada ronda y luego pulsa Jugar.</translation>
    </message>
    <message>
        <source>Question Stats</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Add Questions</source>
        <translation>Añadir Preguntas</translation>
    </message>
    <message>
        <source>Question Details</source>
        <translation>Datos de la Colección</translation>
    </message>
    <message>
        <source>TOTAL</source>
        <translation>TOTAL</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Answer %1</source>
        <translation>Respuesta %1</translation>
    </message>
    <message>
        <source>Answer %1 is right</source>
        <translation>La respuesta %1 es la correcta</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Add Question</source>
        <translation>Añadir Pregunta</translation>
    </message>
    <message>
        <source>Play Game</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Manage Questions</source>
        <translation>Gestionar Preguntas</translation>
    </message>
    <message>
        <source>New Question Set</source>
        <translation>Nueva Colección</translation>
    </message>
    <message>
        <source>About Game</source>
        <translation>Acerca del Juego</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Current Question Set:</source>
        <translation>Colección actual:</translation>
    </message>
    <message>
        <source>Created By:</source>
        <translation>Creada por:</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>The question set cannot be opened.</source>
        <translation>No se puede abrir la colección de preguntas.</translation>
    </message>
    <message>
        <source>The question set cannot be read.</source>
        <translation>No se puede leer la colección de preguntas.</translation>
    </message>
    <message>
        <source>Question creator not found</source>
        <translation>No se encuentra el autor de las preguntas</translation>
    </message>
    <message>
        <source>Creator</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Message from %1</source>
        <translation>Mensaje de %1</translation>
    </message>
    <message>
        <source>The details of the new question set cannot be saved.</source>
        <translation>No se pueden guardar los datos de la nueva colección.</translation>
    </message>
    <message>
        <source>The questions cannot be counted.</source>
        <translation>No se pueden contar las preguntas.</translation>
    </message>
    <message>
        <source>Questions for %1: %2</source>
        <translation>Preguntas por %1: %2</translation>
    </message>
    <message>
        <source>Total questions: %1</source>
        <translation>Total de preguntas: %1</translation>
    </message>
    <message>
        <source>Select Round</source>
        <translation>Elegir Ronda</translation>
    </message>
    <message>
        <source>You Must Have At Least One Question For Each Round</source>
        <translation>Debe Haber Al Menos Una Pregunta por Ronda</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>Question Added</source>
        <translation>Pregunta Añadida</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Añadida</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Contraseña Incorrecta</translation>
    </message>
    <message>
        <source>Fill In All Fields</source>
        <translation>Rellena Todos los Campos</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Choose Correct Answer Box</source>
        <translation>Marca la Respuesta Correcta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>&quot;%1&quot; came with Quorvane and cannot be changed.
Copy it into your own question sets and change the copy?</source>
        <translation>«%1» viene con Quorvane y no se puede cambiar.
¿Copiarla a tus colecciones de preguntas y cambiar la copia?</translation>
    </message>
    <message>
        <source>The question set cannot be copied.</source>
        <translation>La colección de preguntas no se puede copiar.</translation>
    </message>
</context>
<context>
    <name>PlayerName</name>
    <message>
        <source>Your name can have at most %1 characters, so that it fits on the certificate.</source>
        <translation>Tu nombre puede tener como máximo %1 caracteres, para que quepa en el diploma.</translation>
    </message>
</context>
<context>
    <name>PollChart</name>
    <message>
        <source>Ask Your Friends</source>
        <translation>Preguntar al Público</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>PrintService</name>
    <message>
        <source>The certificate could not be drawn.</source>
        <translation>No se ha podido dibujar el diploma.</translation>
    </message>
    <message>
        <source>Save Certificate</source>
        <translation>Guardar Diploma</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>QuestionListModel</name>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcta</translation>
    </message>
</context>
<context>
    <name>QuestionManager</name>
    <message>
        <source>Question Set</source>
        <translation>Colección de Preguntas</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>1 question</source>
        <translation>1 pregunta</translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation>%1 preguntas</translation>
    </message>
    <message>
        <source>Manage Questions</source>
        <translation>Gestionar Preguntas</translation>
    </message>
    <message>
        <source>Type In Password</source>
        <translation>Escribe la Contraseña</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Password Incorrect</source>
        <translation>Contraseña Incorrecta</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Import Questions from CSV…</source>
        <translation>&amp;Importar preguntas de CSV…</translation>
    </message>
    <message>
        <source>&amp;Export Questions to CSV…</source>
        <translation>&amp;Exportar preguntas a CSV…</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 has %2 problem(s).

%3</source>
        <translation>No se ha importado nada: %1 tiene %2 problema(s).

%3</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Import Questions from CSV</source>
        <translation>Importar preguntas de CSV</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>No se ha importado nada: %1</translation>
    </message>
    <message>
        <source>%1 added from %2.</source>
        <translation>%1 añadida(s) desde %2.</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Export Questions to CSV</source>
        <translation>Exportar preguntas a CSV</translation>
    </message>
    <message>
        <source>Nothing was exported: %1</source>
        <translation>No se ha exportado nada: %1</translation>
    </message>
    <message>
        <source>%1 written to %2.</source>
        <translation>%1 escrita(s) en %2.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcta</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modificar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>If you want to change your question set details, then change the contents of the boxes below and press OK. NOTE: Remember that other people may have possibly an older version of your questions, so therefore the password for those questions would still be your old one. Keep a note of all your passwords so that no-one can take the credit for your work!</source>
        <translation>Si quieres cambiar los datos de tu colección, cambia el contenido de las casillas de abajo y pulsa Aceptar. NOTA: recuerda que otras personas pueden tener una versión anterior de tus preguntas, cuya contraseña seguirá siendo la antigua. ¡Apunta todas tus contraseñas para que nadie se atribuya tu trabajo!</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu Nombre</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Type Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Question Data Could Not Be Found</source>
        <translation>Pregunta No Encontrada</translation>
    </message>
    <message>
        <source>Found</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>This question was changed by another program. Pick it again from the list.</source>
        <translation>Otro programa ha cambiado esta pregunta. Vuelve a elegirla en la lista.</translation>
    </message>
    <message>
        <source>The question could not be saved. %1</source>
        <translation>No se ha podido guardar la pregunta. %1</translation>
    </message>
    <message>
        <source>Question Edited</source>
        <translation>Pregunta Modificada</translation>
    </message>
    <message>
        <source>Edited</source>
        <translation>Modificada</translation>
    </message>
    <message>
        <source>The question could not be deleted; the question set is unchanged. %1</source>
        <translation>No se ha podido borrar la pregunta; la colección no ha cambiado. %1</translation>
    </message>
    <message>
        <source>Question Deleted</source>
        <translation>Pregunta Borrada</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Borrada</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>The message</source>
        <translation>El mensaje</translation>
    </message>
    <message>
        <source>The password</source>
        <translation>La contraseña</translation>
    </message>
    <message>
        <source>Details Changed</source>
        <translation>Datos Cambiados</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Cambiados</translation>
    </message>
    <message>
        <source>The details were changed by another program. They are shown again as they are now; make your change again.</source>
        <translation>Otro programa ha cambiado los datos. Se muestran de nuevo tal como están ahora; vuelve a hacer tu cambio.</translation>
    </message>
    <message>
        <source>The details could not be saved. %1</source>
        <translation>No se han podido guardar los datos. %1</translation>
    </message>
    <message>
        <source>Choose A Question From The List</source>
        <translation>Elige Una Pregunta de la Lista</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Round Must Be Between 1 And 15</source>
        <translation>La Ronda Debe Estar Entre 1 y 15</translation>
    </message>
    <message>
        <source>Right Answer Must Be Between &apos;A&apos; And &apos;D&apos;</source>
        <translation>La Respuesta Correcta Debe Estar Entre &apos;A&apos; y &apos;D&apos;</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Find, %1</source>
        <comment>the count</comment>
        <translation>Buscar, %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>questions listed of the set&apos;s</comment>
        <translation>%1 de %2</translation>
    </message>
</context>
<context>
    <name>QuestionSet</name>
    <message>
        <source>%1 holds characters that a question set cannot store: %2</source>
        <translation>%1 contiene caracteres que una colección de preguntas no puede guardar: %2</translation>
    </message>
    <message>
        <source>The question</source>
        <translation>La pregunta</translation>
    </message>
    <message>
        <source>Answer A</source>
        <translation>La respuesta A</translation>
    </message>
    <message>
        <source>Answer B</source>
        <translation>La respuesta B</translation>
    </message>
    <message>
        <source>Answer C</source>
        <translation>La respuesta C</translation>
    </message>
    <message>
        <source>Answer D</source>
        <translation>La respuesta D</translation>
    </message>
    <message>
        <source>The set name must not contain / or \.</source>
        <translation>El nombre de la colección no puede contener / ni \.</translation>
    </message>
    <message>
        <source>The set name must not be &quot;.&quot; or &quot;..&quot;.</source>
        <translation>El nombre de la colección no puede ser «.» ni «..».</translation>
    </message>
    <message>
        <source>The set name must not contain control characters.</source>
        <translation>El nombre de la colección no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>The set name is too long: a set&apos;s file name may take at most %1 bytes (an accented letter takes two).</source>
        <translation>El nombre de la colección es demasiado largo: el nombre de archivo de una colección puede ocupar como máximo %1 bytes (una letra acentuada ocupa dos).</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; cannot be opened or created: %2</source>
        <translation>No se puede abrir ni crear la colección de preguntas «%1»: %2</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; no longer exists.</source>
        <translation>La colección de preguntas «%1» ya no existe.</translation>
    </message>
    <message>
        <source>The question set &quot;%1&quot; has lost its header and cannot be changed.</source>
        <translation>La colección de preguntas «%1» ha perdido su cabecera y no se puede cambiar.</translation>
    </message>
    <message>
        <source>This question set is full: no more questions can be added to it.</source>
        <translation>Esta colección está llena: no se le pueden añadir más preguntas.</translation>
    </message>
</context>
<context>
    <name>SetLock</name>
    <message>
        <source>%1 is being changed by another program; try again.</source>
        <translation>Otro programa está cambiando %1; inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is read-only: nothing in it can be changed.</source>
        <translation>%1 es de solo lectura: no se puede cambiar nada en él.</translation>
    </message>
</context>
<context>
    <name>StartScreen</name>
    <message>
        <source>Question Set</source>
        <translation>Colección de Preguntas</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Quorvane?</source>
        <translation>¿Quorvane?</translation>
    </message>
    <message>
        <source>If you would like to load a set of questions, select it from the list below.</source>
        <translation>Si quieres cargar una colección de preguntas, elígela en la lista de abajo.</translation>
    </message>
    <message>
        <source>Question sets</source>
        <translation>Colecciones de preguntas</translation>
    </message>
    <message>
        <source>If you would like to create a new set of questions, enter the file name below. Do NOT add any file extensions or it will not run properly.</source>
        <translation>Si quieres crear una nueva colección de preguntas, escribe abajo el nombre del archivo. NO añadas ninguna extensión o no funcionará bien.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de Archivo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu Nombre</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>NOTE: In order to stop people from altering the questions you have made, type in a password into the password box. It must be no more than 6 characters. Make sure you WRITE IT DOWN!</source>
        <translation>NOTA: para que nadie pueda cambiar las preguntas que has creado, escribe una contraseña en la casilla de contraseña. No puede tener más de 6 caracteres. ¡Y no olvides APUNTARLA!</translation>
    </message>
    <message>
        <source>The beauty of this system is you can send and receive the question files between friends across the net and play what they have made. Other people may also want to play with your questions. To let everyone know who created these specific questions, enter your name and any message you would like to give to your players.</source>
        <translation>Lo mejor de este sistema es que puedes enviar y recibir archivos de preguntas entre amigos por Internet y jugar con lo que han creado. Puede que otras personas también quieran jugar con tus preguntas. Para que todos sepan quién ha creado estas preguntas, escribe tu nombre y el mensaje que quieras dejar a tus jugadores.</translation>
    </message>
    <message>
        <source>Visit our web site for updates and new question sets. Made a set you are proud of? Send us your .dat file and we will publish it there for everyone to play.</source>
        <translation>Visita nuestra web para conseguir actualizaciones y nuevas colecciones de preguntas. ¿Has creado una colección de la que estás orgulloso? Envíanos tu archivo .dat y la publicaremos allí para que todos puedan jugar.</translation>
    </message>
    <message>
        <source>1 file is not listed: its name is not valid UTF-8.</source>
        <translation>1 archivo no aparece en la lista: su nombre no es UTF-8 válido.</translation>
    </message>
    <message>
        <source>%1 files are not listed: their names are not valid UTF-8.</source>
        <translation>%1 archivos no aparecen en la lista: sus nombres no son UTF-8 válido.</translation>
    </message>
    <message>
        <source>Sets in italics came with Quorvane: they play, and can be copied into your own sets to be changed.</source>
        <translation>Las colecciones en cursiva vienen con Quorvane: se puede jugar con ellas y copiarlas a las tuyas para cambiarlas.</translation>
    </message>
    <message>
        <source>&amp;Add a Set from a File…</source>
        <translation>&amp;Añadir Colección desde Archivo…</translation>
    </message>
    <message>
        <source>Copies a .dat file, such as one a friend sent, into your question sets. You can also drop files onto the list.</source>
        <translation>Copia un archivo .dat, como uno que te haya enviado un amigo, a tus colecciones de preguntas. También puedes soltar archivos sobre la lista.</translation>
    </message>
    <message>
        <source>%1 (came with Quorvane, cannot be changed)</source>
        <translation>%1 (viene con Quorvane, no se puede cambiar)</translation>
    </message>
    <message>
        <source>Add a Set from a File</source>
        <translation>Añadir Colección desde Archivo</translation>
    </message>
    <message>
        <source>Question sets (*.dat);;All files (*)</source>
        <translation>Colecciones de preguntas (*.dat);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Add a Set</source>
        <translation>Añadir Colección</translation>
    </message>
    <message>
        <source>A set named &quot;%1&quot; is already there. Keep both, or replace it?</source>
        <translation>Ya hay una colección llamada «%1». ¿Conservar las dos o reemplazarla?</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Conservar las Dos</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <comment>place in the list</comment>
        <translation>%1 de %2</translation>
    </message>
</context>
</TS>
