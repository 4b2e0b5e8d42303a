<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Columns</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Right</source>
        <translatorcomment>native review: score column: the number of right answers</translatorcomment>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Help total</source>
        <translation>Ayuda total</translation>
    </message>
    <message>
        <source>Max help</source>
        <translation>Ayuda máx.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Most frequent</source>
        <translation>Más frecuentes</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>Latest %</source>
        <translation>Último %</translation>
    </message>
    <message>
        <source>Best %</source>
        <translation>Mejor %</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>Due</source>
        <translatorcomment>native review: class overview column: review items due by today; feminine (palabras)</translatorcomment>
        <translation>Pendientes</translation>
    </message>
    <message>
        <source>Learned</source>
        <translatorcomment>native review: class overview column: review items learned; feminine (palabras)</translatorcomment>
        <translation>Aprendidas</translation>
    </message>
    <message>
        <source>NAME</source>
        <translatorcomment>native review: column header that shows a database field; kept upper case as in the English</translatorcomment>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>WORD</source>
        <translation>PALABRA</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>RESPUESTA</translation>
    </message>
    <message>
        <source>TIME1</source>
        <translatorcomment>native review: column header of the log grid (a database field name in English)</translatorcomment>
        <translation>HORA</translation>
    </message>
    <message>
        <source>DATE1</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>FILE1</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation>Proporción</translation>
    </message>
    <message>
        <source>COUNT</source>
        <translation>CANTIDAD</translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Invalid function number</source>
        <translation>Número de función no válido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Ruta no encontrada</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Invalid handle</source>
        <translation>Identificador no válido</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Invalid environment</source>
        <translation>Entorno no válido</translation>
    </message>
    <message>
        <source>Invalid format</source>
        <translation>Formato no válido</translation>
    </message>
    <message>
        <source>Invalid file access code</source>
        <translation>Código de acceso al archivo no válido</translation>
    </message>
    <message>
        <source>Invalid drive number</source>
        <translation>Número de unidad no válido</translation>
    </message>
    <message>
        <source>Cannot remove current directory</source>
        <translation>No se puede eliminar la carpeta actual</translation>
    </message>
    <message>
        <source>Cannot rename across drives</source>
        <translation>No se puede renombrar entre unidades distintas</translation>
    </message>
    <message>
        <source>No more files</source>
        <translation>No hay más archivos</translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation>Error de lectura del disco</translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation>Error de escritura del disco</translation>
    </message>
    <message>
        <source>File not assigned</source>
        <translation>Archivo no asignado</translation>
    </message>
    <message>
        <source>File not open</source>
        <translation>Archivo no abierto</translation>
    </message>
    <message>
        <source>File not open for input</source>
        <translation>Archivo no abierto para lectura</translation>
    </message>
    <message>
        <source>File not open for output</source>
        <translation>Archivo no abierto para escritura</translation>
    </message>
    <message>
        <source>Invalid numeric format</source>
        <translation>Formato numérico no válido</translation>
    </message>
    <message>
        <source>Disk is write-protected</source>
        <translation>El disco está protegido contra escritura</translation>
    </message>
    <message>
        <source>Bad drive request struct length or unknown unit</source>
        <translation>Longitud de estructura de petición de unidad incorrecta o unidad desconocida</translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation>La unidad no está lista</translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation>Orden desconocida</translation>
    </message>
    <message>
        <source>CRC error in data</source>
        <translation>Error de CRC en los datos</translation>
    </message>
    <message>
        <source>Disk seek error</source>
        <translation>Error de búsqueda en el disco</translation>
    </message>
    <message>
        <source>Unknown media type</source>
        <translation>Tipo de soporte desconocido</translation>
    </message>
    <message>
        <source>Sector Not Found</source>
        <translation>Sector no encontrado</translation>
    </message>
    <message>
        <source>Printer out of paper</source>
        <translation>La impresora no tiene papel</translation>
    </message>
    <message>
        <source>Device write fault</source>
        <translation>Fallo de escritura en el dispositivo</translation>
    </message>
    <message>
        <source>Device read fault</source>
        <translation>Fallo de lectura en el dispositivo</translation>
    </message>
    <message>
        <source>Hardware failure</source>
        <translation>Fallo del hardware</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Stack overflow error</source>
        <translation>Error de desbordamiento de pila</translation>
    </message>
    <message>
        <source>Heap overflow error</source>
        <translation>Error de desbordamiento del montón</translation>
    </message>
    <message>
        <source>Invalid pointer operation</source>
        <translation>Operación de puntero no válida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation>Subdesbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>Overlay manager not installed</source>
        <translation>Gestor de superposiciones no instalado</translation>
    </message>
    <message>
        <source>Overlay file read error</source>
        <translation>Error de lectura del archivo de superposición</translation>
    </message>
    <message>
        <source>Object not initialized</source>
        <translation>Objeto no inicializado</translation>
    </message>
    <message>
        <source>Call to abstract method</source>
        <translation>Llamada a un método abstracto</translation>
    </message>
    <message>
        <source>Stream registration error</source>
        <translation>Error de registro del flujo</translation>
    </message>
    <message>
        <source>Collection index out of range</source>
        <translation>Índice de colección fuera de rango</translation>
    </message>
    <message>
        <source>Collection overflow error</source>
        <translation>Error de desbordamiento de la colección</translation>
    </message>
    <message>
        <source>x coordinate to low</source>
        <translation>Coordenada x demasiado baja</translation>
    </message>
    <message>
        <source>x coordinate to high</source>
        <translation>Coordenada x demasiado alta</translation>
    </message>
    <message>
        <source>Range check error (page to low)</source>
        <translation>Error de comprobación de rango (página demasiado baja)</translation>
    </message>
    <message>
        <source>Range check error (page to high)</source>
        <translation>Error de comprobación de rango (página demasiado alta)</translation>
    </message>
    <message>
        <source>y coordinate to low</source>
        <translation>Coordenada y demasiado baja</translation>
    </message>
    <message>
        <source>y coordinate to high</source>
        <translation>Coordenada y demasiado alta</translation>
    </message>
    <message>
        <source>x, y coordinate out of range</source>
        <translation>Coordenadas x, y fuera de rango</translation>
    </message>
    <message>
        <source>Trying to make ((y - 1) * screen width) + x = &lt; 1</source>
        <translation>Se intenta hacer ((y - 1) * ancho de pantalla) + x = &lt; 1</translation>
    </message>
    <message>
        <source>Pointer initialized</source>
        <translation>Puntero inicializado</translation>
    </message>
    <message>
        <source>Pointer not initialized</source>
        <translation>Puntero no inicializado</translation>
    </message>
    <message>
        <source>Not enough heap memory for Getmem operation</source>
        <translation>Memoria del montón insuficiente para la operación Getmem</translation>
    </message>
    <message>
        <source>Trying to Free a nil pointer</source>
        <translation>Se intenta liberar un puntero nulo</translation>
    </message>
    <message>
        <source>Buffer can&apos;t exceed 65535(a word) lines</source>
        <translation>El búfer no puede pasar de 65535 (una palabra) líneas</translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity</source>
        <translation>Se intenta acceder a un elemento del búfer que no existe</translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity &lt; 0</source>
        <translation>Se intenta acceder a un elemento del búfer que no existe &lt; 0</translation>
    </message>
    <message>
        <source>Window not big enough</source>
        <translation>La ventana no es lo bastante grande</translation>
    </message>
    <message>
        <source>Window not wide enough</source>
        <translation>La ventana no es lo bastante ancha</translation>
    </message>
    <message>
        <source>Window not deep enough</source>
        <translation>La ventana no es lo bastante alta</translation>
    </message>
    <message>
        <source>Page not big enough</source>
        <translation>La página no es lo bastante grande</translation>
    </message>
    <message>
        <source>Page not wide enough</source>
        <translation>La página no es lo bastante ancha</translation>
    </message>
    <message>
        <source>Page not deep enough</source>
        <translation>La página no es lo bastante alta</translation>
    </message>
    <message>
        <source>Trying to create a window with right side off Page</source>
        <translation>Se intenta crear una ventana con el lado derecho fuera de la página</translation>
    </message>
    <message>
        <source>Trying to create a window with left side off Page</source>
        <translation>Se intenta crear una ventana con el lado izquierdo fuera de la página</translation>
    </message>
    <message>
        <source>Trying to create a window with top side off Page</source>
        <translation>Se intenta crear una ventana con el lado superior fuera de la página</translation>
    </message>
    <message>
        <source>Trying to create a window with bottom side off Page</source>
        <translation>Se intenta crear una ventana con el lado inferior fuera de la página</translation>
    </message>
    <message>
        <source>Trying to access a page that is a nonentity</source>
        <translation>Se intenta acceder a una página que no existe</translation>
    </message>
    <message>
        <source>Trying to access a window that is a nonentity</source>
        <translation>Se intenta acceder a una ventana que no existe</translation>
    </message>
    <message>
        <source>Width * depth &gt; than saved screen size</source>
        <translation>Ancho * alto &gt; que el tamaño de pantalla guardado</translation>
    </message>
    <message>
        <source>Trying to create a window with a width of &lt; 0</source>
        <translation>Se intenta crear una ventana con un ancho &lt; 0</translation>
    </message>
    <message>
        <source>Trying to create a window with a depth of &lt; 0</source>
        <translation>Se intenta crear una ventana con un alto &lt; 0</translation>
    </message>
    <message>
        <source>Trying to access an environment variable that is out of Range</source>
        <translation>Se intenta acceder a una variable de entorno fuera de rango</translation>
    </message>
    <message>
        <source>Out of environment variable memory.</source>
        <translation>No queda memoria para variables de entorno.</translation>
    </message>
    <message>
        <source>Trying to access the environment&apos;&apos;s Program Name of the first PSP</source>
        <translation>Se intenta acceder al nombre de programa del entorno del primer PSP</translation>
    </message>
    <message>
        <source>Incomplete menu structure</source>
        <translation>Estructura de menú incompleta</translation>
    </message>
    <message>
        <source>Error in menu format</source>
        <translation>Error en el formato del menú</translation>
    </message>
    <message>
        <source>Menu file not found</source>
        <translation>Archivo de menú no encontrado</translation>
    </message>
    <message>
        <source>Pasword file not found</source>
        <translation>Archivo de contraseñas no encontrado</translation>
    </message>
    <message>
        <source>User name all ready exist</source>
        <translation>El nombre de usuario ya existe</translation>
    </message>
    <message>
        <source>String value of &apos;&apos; not acceptable.</source>
        <translation>No se acepta el valor de texto &apos;&apos;.</translation>
    </message>
    <message>
        <source>Error making dir.</source>
        <translation>Error al crear la carpeta.</translation>
    </message>
    <message>
        <source>Not a file but a device or a pipe</source>
        <translation>No es un archivo sino un dispositivo o una tubería</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
    <message>
        <source>File locked by another program</source>
        <translation>Archivo bloqueado por otro programa</translation>
    </message>
    <message>
        <source>A link or special file stands where a file of a shared folder should be</source>
        <translation>Hay un enlace o un archivo especial donde debería estar un archivo de una carpeta compartida</translation>
    </message>
    <message>
        <source>Start up file error</source>
        <translation>Error del archivo de inicio</translation>
    </message>
    <message>
        <source>No database found</source>
        <translation>No se ha encontrado ninguna base de datos</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Error num %1, %2</source>
        <translation>Error n.º %1, %2</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>Range check error</source>
        <translation>Error de comprobación de rango</translation>
    </message>
    <message>
        <source>Integer overflow</source>
        <translation>Desbordamiento de entero</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Floating point division by zero</source>
        <translation>División por cero en coma flotante</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>The program is ending</source>
        <translation>El programa se está cerrando</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>Runtime error %1</source>
        <translation>Error de ejecución %1</translation>
    </message>
</context>
<context>
    <name>Expressions</name>
    <message>
        <source>rand function marked with ^ needs &quot;:&quot; </source>
        <translatorcomment>native review: rand is the list&apos;s own function name and stays as it is; the faulty line follows after the trailing space</translatorcomment>
        <translation>la función rand marcada con ^ necesita &quot;:&quot; </translation>
    </message>
    <message>
        <source>rand function marked with ^ needs &quot;)&quot; </source>
        <translation>la función rand marcada con ^ necesita &quot;)&quot; </translation>
    </message>
    <message>
        <source>function marked with ^ needs &quot;)&quot; </source>
        <translation>la función marcada con ^ necesita &quot;)&quot; </translation>
    </message>
    <message>
        <source>the number of decimal points should be 0 to 18</source>
        <translation>el número de decimales debe estar entre 0 y 18</translation>
    </message>
    <message>
        <source>unexpected error in line:</source>
        <translation>error inesperado en la línea:</translation>
    </message>
    <message>
        <source>unexpected character in&quot;%1&quot; at:%2</source>
        <translation>carácter inesperado en &quot;%1&quot; en:%2</translation>
    </message>
    <message>
        <source>The spelling file has errors the keyword &quot;to&quot; was expected on line:%1 after:%2</source>
        <translatorcomment>native review: &quot;to&quot; is the list&apos;s own keyword (#1 to 10) and is not translated</translatorcomment>
        <translation>La lista de palabras tiene errores: se esperaba la palabra clave &quot;to&quot; en la línea:%1 después de:%2</translation>
    </message>
    <message>
        <source>Expression too complex: a fifth operand &quot;%1&quot; arrived while the operators%2 were pending</source>
        <translatorcomment>native review: %2 is the list of pending operators, each with a space before it</translatorcomment>
        <translation>Expresión demasiado compleja: llegó un quinto operando &quot;%1&quot; mientras los operadores%2 seguían pendientes</translation>
    </message>
    <message>
        <source>Power too large: the exponent of %1 does not fit in 32 bits</source>
        <translation>Potencia demasiado grande: el exponente de %1 no cabe en 32 bits</translation>
    </message>
    <message>
        <source>Power too large: %1 would have more than %2 digits</source>
        <translation>Potencia demasiado grande: %1 tendría más de %2 cifras</translation>
    </message>
    <message>
        <source>Division by zero: %1/%2</source>
        <translation>División por cero: %1/%2</translation>
    </message>
    <message>
        <source>Floating point overflow: %1 is too large a number</source>
        <translation>Desbordamiento de coma flotante: %1 es un número demasiado grande</translation>
    </message>
    <message>
        <source>the list needs more arithmetic than a test can wait for: use smaller numbers or fewer lines</source>
        <translation>la lista necesita más cálculo del que una prueba puede esperar: use números más pequeños o menos líneas</translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The list &quot;%1&quot; is there already. Replace it with the imported one?</source>
        <translation>La lista &quot;%1&quot; ya existe. ¿Sustituirla por la importada?</translation>
    </message>
</context>
<context>
    <name>KindWord</name>
    <message>
        <source>Right at the first try!</source>
        <translatorcomment>native review: a child (6-12) reads this praise at the end of a test; is it natural?</translatorcomment>
        <translation>¡Todo bien a la primera!</translation>
    </message>
    <message>
        <source>A word that was hard before is right now!</source>
        <translatorcomment>native review: a child&apos;s praise; &apos;costar&apos; (to find hard) for a 6-year-old?</translatorcomment>
        <translation>¡Una palabra que antes te costaba ya te sale bien!</translation>
    </message>
    <message>
        <source>Better than last time!</source>
        <translation>¡Mejor que la última vez!</translation>
    </message>
    <message>
        <source>Well done for finishing!</source>
        <translation>¡Muy bien, has terminado!</translation>
    </message>
    <message>
        <source>Well done for the words you did!</source>
        <translatorcomment>native review: said to a child who stopped early; is it natural?</translatorcomment>
        <translation>¡Muy bien por las palabras que has hecho!</translation>
    </message>
    <message>
        <source>All %1 words right at the first try!</source>
        <translation>¡Las %1 palabras bien a la primera!</translation>
    </message>
    <message>
        <source>%1 words that were hard before are right now!</source>
        <translatorcomment>native review: a child&apos;s praise; check the agreement for %1 = 1 if the program uses it with one word</translatorcomment>
        <translation>¡%1 palabras que antes te costaban ya te salen bien!</translation>
    </message>
</context>
<context>
    <name>ListCompiler</name>
    <message>
        <source>&quot;$Decimal points&quot; needs the number of places after it, 0 to 18</source>
        <translation>&quot;$Decimal points&quot; necesita detrás el número de decimales, de 0 a 18</translation>
    </message>
    <message>
        <source>the line makes no question: </source>
        <translation>la línea no da ninguna pregunta: </translation>
    </message>
    <message>
        <source>the question has no answer: </source>
        <translation>la pregunta no tiene respuesta: </translation>
    </message>
    <message>
        <source>the answer holds a character no one can type</source>
        <translation>la respuesta contiene un carácter que nadie puede escribir</translation>
    </message>
    <message>
        <source>the answer is longer than an answer box takes: </source>
        <translation>la respuesta es más larga de lo que cabe en una casilla de respuesta: </translation>
    </message>
    <message>
        <source>the list would hold more than 65535 questions: the rest of this line is left out</source>
        <translation>la lista tendría más de 65535 preguntas: se omite el resto de esta línea</translation>
    </message>
    <message>
        <source> There are %1 Errors in the spelling file please check it! The error count is only aproximate and will count expanded lines and/or sometime only the first error etc.</source>
        <translatorcomment>native review: the English is itself unclear; it means the count may include each line an expression line expands to, and may count only a line&apos;s first error</translatorcomment>
        <translation> ¡La lista de palabras tiene %1 errores, revísela! El número es solo aproximado: cuenta las líneas expandidas y a veces solo el primer error, etc.</translation>
    </message>
</context>
<context>
    <name>MainFormO</name>
    <message>
        <source>Please use Quit button</source>
        <translation>Use el botón Salir</translation>
    </message>
    <message>
        <source>New File</source>
        <translation>Archivo nuevo</translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation>Escriba un nombre de archivo</translation>
    </message>
    <message>
        <source>Please type a name for the new list</source>
        <translation>Escriba un nombre para la lista nueva</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>la configuración</translation>
    </message>
    <message>
        <source>Create new file: %1</source>
        <translation>Crear archivo nuevo: %1</translation>
    </message>
    <message>
        <source>Access denied this is not your file! %1
The owner is :%2</source>
        <translation>¡Acceso denegado: este archivo no es suyo! %1
El propietario es: %2</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1</source>
        <translation>¿Seguro que quiere eliminar %1?</translation>
    </message>
    <message>
        <source> The change counts until Orv ends; %1 keeps the setting it had.</source>
        <translation> El cambio vale hasta que Orv termine; %1 conserva el ajuste que tenía.</translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>no user</source>
        <translation>ningún usuario</translation>
    </message>
</context>
<context>
    <name>MistakeKind</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>missed letter</source>
        <translatorcomment>native review: the kinds of mistake are the rows of the progress window&apos;s Kinds of mistakes tab, short labels for teachers</translatorcomment>
        <translation>letra que falta</translation>
    </message>
    <message>
        <source>extra letter</source>
        <translation>letra de más</translation>
    </message>
    <message>
        <source>swapped letters</source>
        <translation>letras cambiadas de sitio</translation>
    </message>
    <message>
        <source>doubled letter</source>
        <translation>letra duplicada</translation>
    </message>
    <message>
        <source>single letter</source>
        <translatorcomment>native review: a letter the word has twice, typed once</translatorcomment>
        <translation>letra doble escrita sencilla</translation>
    </message>
    <message>
        <source>wrong vowel</source>
        <translation>vocal equivocada</translation>
    </message>
    <message>
        <source>wrong letter</source>
        <translation>letra equivocada</translation>
    </message>
    <message>
        <source>case</source>
        <translation>mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>accent</source>
        <translation>acento</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otro</translation>
    </message>
    <message>
        <source>sum</source>
        <translatorcomment>native review: the row of wrong answers to sums (arithmetic questions)</translatorcomment>
        <translation>operación</translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>So close! A letter is missing:</source>
        <translation>¡Casi! Falta una letra:</translation>
    </message>
    <message>
        <source>So close! One letter too many:</source>
        <translation>¡Casi! Sobra una letra:</translation>
    </message>
    <message>
        <source>So close! Two letters are swapped:</source>
        <translation>¡Casi! Hay dos letras cambiadas de sitio:</translation>
    </message>
    <message>
        <source>So close! This letter is single:</source>
        <translatorcomment>native review: a child&apos;s hint: a doubled letter typed where the word has one (e.g. &apos;rr&apos; for &apos;r&apos;); is &apos;va sola&apos; clear?</translatorcomment>
        <translation>¡Casi! Esta letra va sola:</translation>
    </message>
    <message>
        <source>So close! This letter is double:</source>
        <translatorcomment>native review: a child&apos;s hint: one letter typed where the word has two (e.g. &apos;r&apos; for &apos;rr&apos;, &apos;l&apos; for &apos;ll&apos;); is &apos;va doble&apos; clear?</translatorcomment>
        <translation>¡Casi! Esta letra va doble:</translation>
    </message>
    <message>
        <source>So close! One letter is different:</source>
        <translation>¡Casi! Una letra es distinta:</translation>
    </message>
    <message>
        <source>Nearly! Only the capitals differ:</source>
        <translation>¡Por poco! Solo cambian las mayúsculas:</translation>
    </message>
    <message>
        <source>Nearly! Only the accents differ:</source>
        <translation>¡Por poco! Solo cambian los acentos:</translation>
    </message>
</context>
<context>
    <name>OrvProgram</name>
    <message>
        <source>%1 sound stored.</source>
        <translation>%1 sonido guardado.</translation>
    </message>
    <message>
        <source>%1 sounds stored.</source>
        <translation>%1 sonidos guardados.</translation>
    </message>
</context>
<context>
    <name>PasswordO</name>
    <message>
        <source>the users</source>
        <translation>los usuarios</translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again.</source>
        <translation>Las dos contraseñas que ha escrito no coinciden. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>User not found </source>
        <translation>Usuario no encontrado </translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>New User</source>
        <translation>Usuario nuevo</translation>
    </message>
    <message>
        <source>Input a Name</source>
        <translation>Escriba un nombre</translation>
    </message>
    <message>
        <source> Error number 591 </source>
        <translation> Error número 591 </translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again thank you.</source>
        <translation>Las dos contraseñas que ha escrito no coinciden. Inténtelo de nuevo, gracias.</translation>
    </message>
    <message>
        <source>INCRECT PASWORD / USER NAME ACCESS DENIDE </source>
        <translation>CONTRASEÑA / NOMBRE DE USUARIO INCORRECTOS: ACCESO DENEGADO </translation>
    </message>
    <message>
        <source>Too many wrong log-ins for this name in a row: try again in %1 s.</source>
        <translatorcomment>native review: shown in the log-in window, to a child as well: tú</translatorcomment>
        <translation>Demasiados inicios de sesión fallidos seguidos con este nombre: inténtalo de nuevo dentro de %1 s.</translation>
    </message>
    <message>
        <source>Line %1 of the password file %2 %3. That line is left out; the other users can log in.</source>
        <translation>Línea %1 del archivo de contraseñas %2: %3. Esa línea se omite; los demás usuarios pueden iniciar sesión.</translation>
    </message>
    <message>
        <source>The password file %1 could not be saved, so the change was not made. </source>
        <translation>No se ha podido guardar el archivo de contraseñas %1, así que no se ha hecho el cambio. </translation>
    </message>
    <message>
        <source>%1 (the password file %2 had been changed by another program).</source>
        <translation>%1 (otro programa había cambiado el archivo de contraseñas %2).</translation>
    </message>
    <message>
        <source>NO PASWORD FOR SUPPER USER, reset to &quot;%1&quot;</source>
        <translation>EL SUPERUSUARIO NO TIENE CONTRASEÑA; se restablece a &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The super user %1 keeps the default password &quot;%2&quot;, so you are not logged in. Log in again and choose a new password.</source>
        <translation>El superusuario %1 sigue con la contraseña predeterminada &quot;%2&quot;, así que no se ha iniciado la sesión. Inicie sesión de nuevo y elija una contraseña nueva.</translation>
    </message>
    <message>
        <source>The super user %1 has the default password &quot;%2&quot;, which anyone can read in the help. Choose a new password for %1.</source>
        <translation>El superusuario %1 tiene la contraseña predeterminada &quot;%2&quot;, que cualquiera puede leer en la ayuda. Elija una contraseña nueva para %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the default password. Please choose another one.</source>
        <translation>&quot;%1&quot; es la contraseña predeterminada. Elija otra.</translation>
    </message>
    <message>
        <source>Delete user %1</source>
        <translation>¿Eliminar el usuario %1?</translation>
    </message>
    <message>
        <source>The password file %1 holds more than %2 users</source>
        <translation>El archivo de contraseñas %1 tiene más de %2 usuarios</translation>
    </message>
    <message>
        <source>The user &quot;%1&quot; is no longer in the password file, so the change was not made</source>
        <translation>El usuario &quot;%1&quot; ya no está en el archivo de contraseñas, así que no se ha hecho el cambio</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>The log-in window has not been created</source>
        <translation>No se ha creado la ventana de inicio de sesión</translation>
    </message>
</context>
<context>
    <name>ReviewPlan</name>
    <message>
        <source>Nothing to review yet: the words you miss in a test come back here.</source>
        <translation>Todavía no hay nada que repasar: las palabras que falles en una prueba volverán aquí.</translation>
    </message>
    <message>
        <source>Nothing to review today. The next words are due on %1.</source>
        <translatorcomment>native review: %1 is a date; &apos;tocan el&apos; assumes a day such as &apos;12/12/2026&apos;</translatorcomment>
        <translation>Hoy no hay nada que repasar. Las próximas palabras tocan el %1.</translation>
    </message>
</context>
<context>
    <name>ScoreDatabase</name>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Data base</source>
        <translation>Base de datos</translation>
    </message>
    <message>
        <source>Edit if wrong:</source>
        <translation>Corrija si no es correcto:</translation>
    </message>
    <message>
        <source>The database file %1 does not exist. Create a new score database there?</source>
        <translation>El archivo de base de datos %1 no existe. ¿Crear ahí una base de datos de resultados nueva?</translation>
    </message>
    <message>
        <source>Cannot connect to the database engine. Are you sure firebird or another interbase compatible database is running? </source>
        <translation>No se puede conectar con el motor de base de datos. ¿Seguro que Firebird u otra base de datos compatible con InterBase está en marcha? </translation>
    </message>
    <message>
        <source>The current database file is not a valid database file please click yes to choose a new one.</source>
        <translation>El archivo de base de datos actual no es un archivo de base de datos válido. Haga clic en Sí para elegir otro.</translation>
    </message>
    <message>
        <source>Can not open the database file for orv</source>
        <translation>No se puede abrir el archivo de base de datos de Orv</translation>
    </message>
    <message>
        <source>Interbase compatible database files(*.gdb)|*.gdb</source>
        <translation>Archivos de base de datos compatibles con InterBase (*.gdb)|*.gdb</translation>
    </message>
    <message>
        <source>Access denied: choosing another score database than %1 needs level %2 (Change Database).</source>
        <translation>Acceso denegado: elegir otra base de datos de resultados distinta de %1 necesita el nivel %2 (Cambiar base de datos).</translation>
    </message>
    <message>
        <source> The database could not be opened: %1.</source>
        <translation> No se ha podido abrir la base de datos: %1.</translation>
    </message>
    <message>
        <source> Orv tries the same file again; if it keeps failing, ask a teacher.</source>
        <translatorcomment>native review: may be read by a child: tú</translatorcomment>
        <translation> Orv vuelve a intentarlo con el mismo archivo; si sigue fallando, pide ayuda a un docente.</translation>
    </message>
    <message>
        <source>Database file:%1
%2
do you whant to try again click No to exit Orv6?</source>
        <translation>Archivo de base de datos: %1
%2
¿Quiere intentarlo de nuevo? Haga clic en No para salir de Orv6.</translation>
    </message>
    <message>
        <source>%1 holds letters other than plain ASCII, which the database driver cannot pass on</source>
        <translation>%1 contiene caracteres que no son ASCII simple, y el controlador de la base de datos no puede pasarlos</translation>
    </message>
    <message>
        <source>The database user name</source>
        <translation>El nombre de usuario de la base de datos</translation>
    </message>
    <message>
        <source>The database password</source>
        <translation>La contraseña de la base de datos</translation>
    </message>
    <message>
        <source>The database is not connected</source>
        <translation>La base de datos no está conectada</translation>
    </message>
    <message>
        <source>The database connection is not a Firebird connection</source>
        <translation>La conexión con la base de datos no es una conexión de Firebird</translation>
    </message>
    <message>
        <source>Cannot make the database engine&apos;s lock folder %1: %2</source>
        <translation>No se puede crear la carpeta de bloqueos del motor de base de datos %1: %2</translation>
    </message>
    <message>
        <source>The database engine was about to start before its folders were set; nothing was opened</source>
        <translation>El motor de base de datos iba a arrancar antes de fijar sus carpetas; no se ha abierto nada</translation>
    </message>
    <message>
        <source>The character set</source>
        <translation>El juego de caracteres</translation>
    </message>
    <message>
        <source>Cannot run &quot;%1&quot;</source>
        <translation>No se puede ejecutar &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cannot start a transaction</source>
        <translation>No se puede iniciar una transacción</translation>
    </message>
    <message>
        <source>Cannot commit</source>
        <translation>No se puede confirmar</translation>
    </message>
    <message>
        <source>Cannot reserve %1</source>
        <translation>No se puede reservar %1</translation>
    </message>
    <message>
        <source>%1 is %2 bytes long; the database engine takes at most %3</source>
        <translation>%1 ocupa %2 bytes; el motor de base de datos admite como máximo %3</translation>
    </message>
    <message>
        <source>The database engine&apos;s parameters are %1 bytes long; it takes at most %2</source>
        <translation>Los parámetros del motor de base de datos ocupan %1 bytes; admite como máximo %2</translation>
    </message>
    <message>
        <source>Only a single select statement can be run here. The statement was not run and nothing was changed.</source>
        <translation>Aquí solo se puede ejecutar una única sentencia SELECT. La sentencia no se ha ejecutado y no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Cannot upgrade the score database: </source>
        <translation>No se puede actualizar la base de datos de resultados: </translation>
    </message>
    <message>
        <source>Cannot set the learners&apos; rights: </source>
        <translation>No se pueden fijar los permisos de los alumnos: </translation>
    </message>
    <message>
        <source>Cannot read the score database&apos;s version: %1</source>
        <translation>No se puede leer la versión de la base de datos de resultados: %1</translation>
    </message>
    <message>
        <source>Cannot start a transaction: %1</source>
        <translation>No se puede iniciar una transacción: %1</translation>
    </message>
    <message>
        <source>Cannot commit: the connection to the database is lost</source>
        <translation>No se puede confirmar: se ha perdido la conexión con la base de datos</translation>
    </message>
    <message>
        <source>Cannot roll back: %1</source>
        <translation>No se puede deshacer la transacción: %1</translation>
    </message>
    <message>
        <source>Cannot commit: %1</source>
        <translation>No se puede confirmar: %1</translation>
    </message>
    <message>
        <source>The connection to the database was lost twice while committing</source>
        <translation>Se perdió dos veces la conexión con la base de datos al confirmar</translation>
    </message>
    <message>
        <source>Another program kept writing the same learner&apos;s rows</source>
        <translation>Otro programa seguía escribiendo las filas del mismo alumno</translation>
    </message>
    <message>
        <source>Only a teacher&apos;s computer account may change or remove what the score database holds: ask a teacher to do this.</source>
        <translatorcomment>native review: read by a learner who tried to replace a sound</translatorcomment>
        <translation>Solo la cuenta de ordenador de un docente puede cambiar o borrar lo que guarda la base de datos de resultados: pídaselo a un docente.</translation>
    </message>
    <message>
        <source>Cannot create the database %1</source>
        <translation>No se puede crear la base de datos %1</translation>
    </message>
</context>
<context>
    <name>SoundStore</name>
    <message>
        <source> Word allready in database overwrite! </source>
        <translation> La palabra ya está en la base de datos: ¿sobrescribirla? </translation>
    </message>
    <message>
        <source>%1: not stored as the sound of &quot;%2&quot;: %3</source>
        <translation>%1: no se ha guardado como sonido de &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>the score database could not be opened</source>
        <translation>no se ha podido abrir la base de datos de resultados</translation>
    </message>
    <message>
        <source>it has a sound already</source>
        <translation>ya tiene un sonido</translation>
    </message>
    <message>
        <source>the sound is not a WAV file that can be played</source>
        <translation>el sonido no es un archivo WAV que se pueda reproducir</translation>
    </message>
    <message>
        <source>the score database refused it: %1</source>
        <translation>la base de datos de resultados lo ha rechazado: %1</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Orv7</source>
        <translation>Orv7</translation>
    </message>
    <message>
        <source>Version 0.1</source>
        <translation>Versión 0.1</translation>
    </message>
    <message>
        <source>This program is still in betta</source>
        <translation>Este programa todavía está en fase beta</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TChDir</name>
    <message>
        <source>Change Dir</source>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TClassOverviewForm</name>
    <message>
        <source>Class overview</source>
        <translation>Resumen de la clase</translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation>Si está marcado, solo las pruebas hechas entre el primer y el último día</translation>
    </message>
    <message>
        <source>Click a title to sort by it; double click a row to see that learner&apos;s progress</source>
        <translation>Haga clic en un título para ordenar por él; doble clic en una fila para ver el progreso de ese alumno</translation>
    </message>
    <message>
        <source>Trend: the later half of the tests against the earlier half</source>
        <translation>Tendencia: la segunda mitad de las pruebas frente a la primera</translation>
    </message>
    <message>
        <source>Test da&amp;y of</source>
        <translation>Día de la &amp;prueba de</translation>
    </message>
    <message>
        <source>Test day list</source>
        <translation>Lista del día de la prueba</translation>
    </message>
    <message>
        <source>The list (its group and name) the test day is for</source>
        <translation>La lista (su grupo y su nombre) a la que se refiere el día de la prueba</translation>
    </message>
    <message>
        <source>Test day</source>
        <translation>Día de la prueba</translation>
    </message>
    <message>
        <source>Until this day the review brings every item of the list</source>
        <translation>Hasta ese día, el repaso trae cada elemento de la lista</translation>
    </message>
    <message>
        <source>&amp;Set test day</source>
        <translation>&amp;Fijar el día de la prueba</translation>
    </message>
    <message>
        <source>For the selected learners, or every learner shown when none is</source>
        <translation>Para los alumnos elegidos, o para todos los mostrados si no hay ninguno elegido</translation>
    </message>
    <message>
        <source>C&amp;lear test day</source>
        <translation>&amp;Quitar el día de la prueba</translation>
    </message>
    <message>
        <source>The list&apos;s test day set here is taken away</source>
        <translation>Se quita el día de la prueba fijado aquí para la lista</translation>
    </message>
    <message>
        <source>Choose the list the test day is for</source>
        <translation>Elige la lista a la que se refiere el día de la prueba</translation>
    </message>
    <message>
        <source>1 learner</source>
        <translation>1 alumno</translation>
    </message>
    <message>
        <source>%1 learners</source>
        <translation>%1 alumnos</translation>
    </message>
    <message>
        <source>Test day %1 of %2 set for %3</source>
        <translation>Día de la prueba %1 de %2 fijado para %3</translation>
    </message>
    <message>
        <source>Test day of %1 cleared for %2</source>
        <translation>Día de la prueba de %1 quitado para %2</translation>
    </message>
</context>
<context>
    <name>TCompiledView</name>
    <message>
        <source>Compiled Viewtest</source>
        <translation>Vista compilada</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Compiled list</source>
        <translation>Lista compilada</translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation>&amp;Reintentar</translation>
    </message>
</context>
<context>
    <name>TDateRangeBox</name>
    <message>
        <source>&amp;From</source>
        <translation>&amp;Desde</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;Hasta</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
</context>
<context>
    <name>TDateTimePicker</name>
    <message>
        <source>Use %1</source>
        <translation>Usar %1</translation>
    </message>
</context>
<context>
    <name>TEditOrv</name>
    <message>
        <source>Edit Orv file</source>
        <translation>Editar archivo de Orv</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Delete Linefeeds</source>
        <translation>Quitar saltos de línea</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;View compiled</source>
        <translation>&amp;Ver compilada</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation>¿Guardar los cambios?</translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation>las listas de palabras</translation>
    </message>
    <message>
        <source>The changes to %1 that were not saved when Orv last ended are in %2, which could not be read: %3</source>
        <translation>Los cambios en %1 que no se guardaron cuando Orv terminó la última vez están en %2, que no se ha podido leer: %3</translation>
    </message>
    <message>
        <source>Orv ended before the changes to %1 were saved; they were kept in %2. Open the changed text? (No opens the list as it was saved and deletes the changes.)</source>
        <translation>Orv terminó antes de guardar los cambios en %1; se conservaron en %2. ¿Abrir el texto cambiado? (No abre la lista tal como se guardó y borra los cambios.)</translation>
    </message>
    <message>
        <source>Could not delete %1: %2</source>
        <translation>No se ha podido borrar %1: %2</translation>
    </message>
    <message>
        <source>The list %1 could not be read (%2), so this window did not show it. Saving replaces it with the text shown here. Replace it?</source>
        <translation>No se ha podido leer la lista %1 (%2), así que esta ventana no la muestra. Al guardar se sustituye por el texto que se ve aquí. ¿Sustituirla?</translation>
    </message>
</context>
<context>
    <name>TEditUsers</name>
    <message>
        <source>EditUsers</source>
        <translation>Editar usuarios</translation>
    </message>
    <message>
        <source>Change the password for the slected user</source>
        <translation>Cambiar la contraseña del usuario seleccionado</translation>
    </message>
    <message>
        <source>Delete a user from the password list</source>
        <translation>Eliminar un usuario de la lista de contraseñas</translation>
    </message>
    <message>
        <source>Add a user to the pasword list</source>
        <translation>Añadir un usuario a la lista de contraseñas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Users</source>
        <translation>Usuarios</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Acsses level</source>
        <translation>Nivel de acceso</translation>
    </message>
    <message>
        <source>ChangePass</source>
        <translatorcomment>native review: button of the user editor whose English caption is its object name; &apos;Contraseña&apos; (change the password) kept short for the button</translatorcomment>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>AddUser</source>
        <translation>Añadir</translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Solo palabras &amp;completas</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Distinguir &amp;mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Buscar &amp;siguiente</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Round to 3 decimal places where appropriate. </source>
        <translation>Redondea a 3 decimales si hace falta. </translation>
    </message>
    <message>
        <source>questions remaining</source>
        <translation>preguntas pendientes</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translatorcomment>native review: a child stops the test; &apos;Parar&apos; chosen over &apos;Detener&apos; as the simpler word (Alt+P)</translatorcomment>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Math input</source>
        <translation>Cálculo</translation>
    </message>
    <message>
        <source>Type the answer to the question in the answer box|Type the answer to the question in the answer box and press enter</source>
        <translation>Escribe la respuesta a la pregunta en la casilla de respuesta|Escribe la respuesta a la pregunta en la casilla de respuesta y pulsa Intro</translation>
    </message>
    <message>
        <source>Type the answer to this question in the answer box below</source>
        <translation>Escribe la respuesta a esta pregunta en la casilla de abajo</translation>
    </message>
    <message>
        <source>Type the answer in the box below</source>
        <translation>Escribe la respuesta en la casilla de abajo</translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation>Parar esta prueba|Parar esta prueba y ver el resultado (o pulsa Esc)</translation>
    </message>
    <message>
        <source>Round to %1 decimal places where appropriate.</source>
        <translation>Redondea a %1 decimales si hace falta.</translation>
    </message>
</context>
<context>
    <name>TGridExport</name>
    <message>
        <source>E&amp;xport</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Save the rows shown as CSV, or print them (also to a PDF file)</source>
        <translation>Guardar las filas mostradas como CSV, o imprimirlas (también en un archivo PDF)</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Guardar como &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Orv Help</source>
        <translation>Ayuda de Orv</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation>Escribe una palabra para buscarla</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of a word:</source>
        <translation>&amp;Escribe las primeras letras de una palabra:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
</context>
<context>
    <name>TImportForm</name>
    <message>
        <source>Import lists</source>
        <translation>Importar listas</translation>
    </message>
    <message>
        <source>Lists to make</source>
        <translation>Listas que se crearán</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>What cannot be imported</source>
        <translation>Lo que no se puede importar</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Word or question from:</source>
        <translation>Palabra o pregunta de:</translation>
    </message>
    <message>
        <source>Answer from:</source>
        <translation>Respuesta de:</translation>
    </message>
    <message>
        <source>Into the group:</source>
        <translation>En el grupo:</translation>
    </message>
    <message>
        <source>Lists to make:</source>
        <translation>Listas que se crearán:</translation>
    </message>
    <message>
        <source>What cannot be imported:</source>
        <translation>Lo que no se puede importar:</translation>
    </message>
    <message>
        <source>none: spelling words</source>
        <translation>ninguna: palabras de ortografía</translation>
    </message>
    <message>
        <source>is there: asks before replacing it</source>
        <translation>ya existe: se pregunta antes de sustituirla</translation>
    </message>
    <message>
        <source>The group &quot;</source>
        <translation>El grupo &quot;</translation>
    </message>
    <message>
        <source>&quot; leaves the word lists</source>
        <translation>&quot; sale de las listas de palabras</translation>
    </message>
    <message>
        <source>From %1</source>
        <translation>De %1</translation>
    </message>
    <message>
        <source>%1 (nothing is imported)</source>
        <translation>%1 (no se importa nada)</translation>
    </message>
    <message>
        <source>%1 was kept as it was.</source>
        <translation>%1 se ha dejado como estaba.</translation>
    </message>
    <message>
        <source>%1 sound</source>
        <translation>%1 sonido</translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation>%1 sonidos</translation>
    </message>
    <message>
        <source>%1 list made.</source>
        <translation>%1 lista creada.</translation>
    </message>
    <message>
        <source>%1 lists made.</source>
        <translation>%1 listas creadas.</translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Select user from drop down list</source>
        <translatorcomment>native review: the log-in window: a child logs in, so tú is used here</translatorcomment>
        <translation>Elige tu usuario en la lista desplegable</translation>
    </message>
    <message>
        <source>Enter new password here</source>
        <translation>Escribe aquí la contraseña nueva</translation>
    </message>
    <message>
        <source>Enter password here</source>
        <translation>Escribe aquí tu contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Enter user name and password</source>
        <translation>Escribe tu nombre de usuario y tu contraseña</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>        Pasword</source>
        <translation>        Contraseña</translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation>Confirmar contraseña</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Enter new password twice</source>
        <translation>Escribe dos veces la contraseña nueva</translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation>Contraseñas</translation>
    </message>
    <message>
        <source>        Password</source>
        <translation>        Contraseña</translation>
    </message>
    <message>
        <source>Wait %1 s before the next log-in as %2</source>
        <translation>Espera %1 s antes de volver a iniciar sesión como %2</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Orv 7.0</source>
        <translation>Orv 7.0</translation>
    </message>
    <message>
        <source>Hint bar</source>
        <translation>Barra de sugerencias</translation>
    </message>
    <message>
        <source>Orv6</source>
        <translation>Orv6</translation>
    </message>
    <message>
        <source>|Orv6</source>
        <translation>|Orv6</translation>
    </message>
    <message>
        <source>Orv 7.0.</source>
        <translation>Orv 7.0.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>|current word list</source>
        <translation>|lista de palabras actual</translation>
    </message>
    <message>
        <source>|Current user</source>
        <translation>|Usuario actual</translation>
    </message>
    <message>
        <source>Current sub group</source>
        <translation>Grupo actual</translation>
    </message>
    <message>
        <source>number of words in list</source>
        <translation>número de palabras de la lista</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Start on the file above</source>
        <translation>Empezar con el archivo de arriba</translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation>&amp;Repasar</translation>
    </message>
    <message>
        <source>Review|Ask again the words that are due, from every list</source>
        <translation>Repasar|Volver a preguntar las palabras pendientes de todas las listas</translation>
    </message>
    <message>
        <source>&amp;Log Out</source>
        <translation>&amp;Cerrar sesión</translation>
    </message>
    <message>
        <source>Log out|log off the current user and leave orv running use Quit to quit orv</source>
        <translation>Cerrar sesión|Cerrar la sesión del usuario actual y dejar Orv abierto; Salir cierra Orv</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>|Quit program</source>
        <translation>|Salir del programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Pick file|Pick an existing orv file for the current file</source>
        <translation>Elegir archivo|Elegir un archivo de Orv existente como archivo actual</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Create new orv file</source>
        <translation>Crear un archivo de Orv nuevo</translation>
    </message>
    <message>
        <source>New Dir</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importar...</translation>
    </message>
    <message>
        <source>Make word lists from the files of other programs: CSV, KVTML, Anki, text</source>
        <translation>Crear listas de palabras a partir de archivos de otros programas: CSV, KVTML, Anki, texto</translation>
    </message>
    <message>
        <source>&amp;ChDir</source>
        <translation>&amp;Cambiar carpeta</translation>
    </message>
    <message>
        <source>Change current directory</source>
        <translation>Cambiar la carpeta actual</translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation>&amp;Eliminar archivo</translation>
    </message>
    <message>
        <source>|Delete word list cleanup score etc.</source>
        <translation>|Eliminar la lista de palabras, limpiar los resultados, etc.</translation>
    </message>
    <message>
        <source>Remove dir</source>
        <translation>Eliminar carpeta</translation>
    </message>
    <message>
        <source>Remove a directory, it will need to be empty</source>
        <translation>Eliminar una carpeta; tiene que estar vacía</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Config&amp;urar impresora...</translation>
    </message>
    <message>
        <source>Setup printer</source>
        <translation>Configurar la impresora</translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation>&amp;Resultados</translation>
    </message>
    <message>
        <source>Show score for current file</source>
        <translation>Mostrar los resultados del archivo actual</translation>
    </message>
    <message>
        <source>Pro&amp;gress</source>
        <translation>Pro&amp;greso</translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation>Tus pruebas a lo largo del tiempo, en gráficos</translation>
    </message>
    <message>
        <source>Class o&amp;verview</source>
        <translation>Resumen de la c&amp;lase</translation>
    </message>
    <message>
        <source>Every learner&apos;s tests of each list at a glance</source>
        <translation>Las pruebas de cada alumno con cada lista, de un vistazo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translatorcomment>native review: menu name kept short so that the whole menu bar fits the main window&apos;s width (&apos;Lista de palabras&apos; hid the Help menu)</translatorcomment>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Edit Menu</source>
        <translation>Menú de edición</translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation>&amp;Editar lista</translation>
    </message>
    <message>
        <source>Edit File|Edit current file if you are the owner or have high enough pas level</source>
        <translation>Editar archivo|Editar el archivo actual si es suyo o tiene un nivel de contraseña suficiente</translation>
    </message>
    <message>
        <source>&amp;View words</source>
        <translation>&amp;Ver palabras</translation>
    </message>
    <message>
        <source>Look at the current list of words</source>
        <translation>Ver la lista de palabras actual</translation>
    </message>
    <message>
        <source>&amp;Log list</source>
        <translation>Re&amp;gistro de la lista</translation>
    </message>
    <message>
        <source>&amp;Make wrong word file</source>
        <translatorcomment>native review: &apos;palabras falladas&apos; (Spain) for words a learner got wrong; Latin America may prefer &apos;palabras equivocadas&apos;</translatorcomment>
        <translation>Crear lista de palabras &amp;falladas</translation>
    </message>
    <message>
        <source>Ask again the words that are due, from every list</source>
        <translation>Volver a preguntar las palabras pendientes de todas las listas</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Usuario</translation>
    </message>
    <message>
        <source>Click for user menu</source>
        <translation>Haga clic para ver el menú de usuario</translation>
    </message>
    <message>
        <source>&amp;Add User</source>
        <translation>&amp;Añadir usuario</translation>
    </message>
    <message>
        <source>Add a new user</source>
        <translation>Añadir un usuario nuevo</translation>
    </message>
    <message>
        <source>&amp;Edit users</source>
        <translation>&amp;Editar usuarios</translation>
    </message>
    <message>
        <source>Edit the password file</source>
        <translation>Editar el archivo de contraseñas</translation>
    </message>
    <message>
        <source>&amp;Change Pasword</source>
        <translation>&amp;Cambiar contraseña</translation>
    </message>
    <message>
        <source>Change the password of a user</source>
        <translation>Cambiar la contraseña de un usuario</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Re&amp;gistro</translation>
    </message>
    <message>
        <source>Not iimplemented</source>
        <translation>No implementado</translation>
    </message>
    <message>
        <source>&amp;Log wrong</source>
        <translation>Registrar &amp;fallos</translation>
    </message>
    <message>
        <source>Log &amp;users</source>
        <translation>Registrar &amp;usuarios</translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation>no implementado</translation>
    </message>
    <message>
        <source>Log &amp;correct</source>
        <translation>Registrar &amp;aciertos</translation>
    </message>
    <message>
        <source>Log right answers|Log correct answers but not necessarily wrong ones </source>
        <translation>Registrar aciertos|Registrar las respuestas correctas, pero no necesariamente las incorrectas </translation>
    </message>
    <message>
        <source>&amp;View log</source>
        <translation>&amp;Ver registro</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>So&amp;nido</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>Sounds stored In data base</source>
        <translation>Sonidos guardados en la base de datos</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Click for option menu</source>
        <translation>Haga clic para ver el menú de opciones</translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation>&amp;Cambiar base de datos</translation>
    </message>
    <message>
        <source>&amp;Pasword levels</source>
        <translation>&amp;Niveles de contraseña</translation>
    </message>
    <message>
        <source>The password level each guarded command needs</source>
        <translation>El nivel de contraseña que necesita cada comando protegido</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Click for help menu</source>
        <translation>Haga clic para ver el menú de ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Buscar en la ayuda...</translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation>Cómo &amp;usar la ayuda</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open|Open new file for spelling</source>
        <translation>Abrir|Abrir otro archivo para practicar</translation>
    </message>
    <message>
        <source>Change directory</source>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation>Crear un archivo nuevo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit the current file</source>
        <translation>Editar el archivo actual</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Score window for curent file</source>
        <translation>Ventana de resultados del archivo actual</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation>Imprimir el archivo actual</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit orv</source>
        <translation>Salir de Orv</translation>
    </message>
    <message>
        <source>Choose the files to import</source>
        <translation>Elegir los archivos que se importarán</translation>
    </message>
    <message>
        <source>Lists of other programs (*.csv *.tsv *.txt *.kvtml);;All files (*)</source>
        <translation>Listas de otros programas (*.csv *.tsv *.txt *.kvtml);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The help pages could not be found</source>
        <translation>No se han encontrado las páginas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Im&amp;primir...</translation>
    </message>
    <message>
        <source>View &amp;Compiled</source>
        <translation>Ver &amp;compilada</translation>
    </message>
    <message>
        <source>If checked any mistake will be written to a log file</source>
        <translation>Si está marcado, cada fallo se escribe en un archivo de registro</translation>
    </message>
</context>
<context>
    <name>TOpenFileForm</name>
    <message>
        <source>Open orv file</source>
        <translation>Abrir archivo de Orv</translation>
    </message>
    <message>
        <source>Groups</source>
        <translation>Grupos</translation>
    </message>
    <message>
        <source>|Choose a group from this pain. Click the + to expand. Use the pain on the right to choose a file</source>
        <translation>|Elige un grupo en este panel. Haz clic en + para desplegarlo. Usa el panel de la derecha para elegir un archivo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>FileName</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>| Choose a file from this pain use the pain on the left to choose a group. </source>
        <translation>| Elige un archivo en este panel; usa el panel de la izquierda para elegir un grupo. </translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Sin terminar</translation>
    </message>
</context>
<context>
    <name>TOptionForm</name>
    <message>
        <source>The desktop&apos;s font</source>
        <translation>La letra del escritorio</translation>
    </message>
    <message>
        <source>Letter &amp;case may differ</source>
        <translation>Ma&amp;yúsculas y minúsculas indistintas</translation>
    </message>
    <message>
        <source>Paris is right for paris where a list says nothing</source>
        <translation>parís vale por París si la lista no dice nada</translation>
    </message>
    <message>
        <source>&amp;Accents may differ</source>
        <translation>Acentos in&amp;distintos</translation>
    </message>
    <message>
        <source>cafe is right for café where a list says nothing</source>
        <translation>arbol vale por árbol si la lista no dice nada</translation>
    </message>
    <message>
        <source>&amp;Punctuation may be left out</source>
        <translation>Se puede omiti&amp;r la puntuación</translation>
    </message>
    <message>
        <source>dont is right for don&apos;t where a list says nothing</source>
        <translation>Hola vale por ¡Hola! si la lista no dice nada</translation>
    </message>
    <message>
        <source>An answer a;b takes eit&amp;her</source>
        <translation>Una respuesta a;b admite am&amp;bas</translation>
    </message>
    <message>
        <source>grey;gray accepts grey and gray where a list says nothing</source>
        <translation>hierba;yerba admite hierba y yerba si la lista no dice nada</translation>
    </message>
    <message>
        <source>Sums: an &amp;equal value is right</source>
        <translation>Operaciones: vale un valor i&amp;gual</translation>
    </message>
    <message>
        <source>2/4, 0.5 and 0,5 are right for 1/2 where a list says nothing</source>
        <translation>2/4, 0.5 y 0,5 valen por 1/2 si la lista no dice nada</translation>
    </message>
    <message>
        <source>Fractions in &amp;lowest terms</source>
        <translatorcomment>native review: school term: &apos;fracción irreducible&apos; (Spain); other countries may say &apos;fracción simplificada&apos;</translatorcomment>
        <translation>&amp;Fracciones irreducibles</translation>
    </message>
    <message>
        <source>2/4 for 1/2 is asked again to be written in lowest terms</source>
        <translation>2/4 por 1/2 se pregunta otra vez para escribirla como fracción irreducible</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>&amp;File order</source>
        <translation>&amp;Orden</translation>
    </message>
    <message>
        <source>&amp;In order</source>
        <translation>&amp;En orden</translation>
    </message>
    <message>
        <source>&amp;Random order</source>
        <translation>Orden &amp;aleatorio</translation>
    </message>
    <message>
        <source>Do the spellings in alphabetical order or in random orde</source>
        <translatorcomment>native review: &apos;the spellings&apos; taken as the words of the list</translatorcomment>
        <translation>Hacer las palabras en orden alfabético o en orden aleatorio</translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation>&amp;Palabras</translation>
    </message>
    <message>
        <source>&amp;Do whole file</source>
        <translation>&amp;Toda la lista</translation>
    </message>
    <message>
        <source>do &amp;Ten words</source>
        <translation>Die&amp;z palabras</translation>
    </message>
    <message>
        <source>Do whole file or do ten words if you do ten words the words not done are saved in a file to do next time</source>
        <translation>Hacer toda la lista o diez palabras; con diez palabras, las que no se han hecho se guardan en un archivo para la próxima vez</translation>
    </message>
    <message>
        <source>&amp;Sound group</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>Show word</source>
        <translation>Mostrar la palabra</translation>
    </message>
    <message>
        <source>Show word even if playing sound for word</source>
        <translation>Mostrar la palabra aunque suene su sonido</translation>
    </message>
    <message>
        <source>Reshow Word</source>
        <translation>Permitir ver otra vez</translation>
    </message>
    <message>
        <source>allow reshow of word having played sound for word</source>
        <translation>permitir volver a mostrar la palabra después de oír su sonido</translation>
    </message>
    <message>
        <source>Speak words that have no sound</source>
        <translatorcomment>native review: &apos;Leer&apos; here means the computer reads the word aloud; &apos;Decir en voz alta&apos; is longer</translatorcomment>
        <translation>Leer las palabras sin sonido</translation>
    </message>
    <message>
        <source>A word without a recorded sound is spoken by the computer&apos;s voice</source>
        <translation>La voz del ordenador dice las palabras que no tienen sonido grabado</translation>
    </message>
    <message>
        <source>Speak sums</source>
        <translation>Leer las operaciones</translation>
    </message>
    <message>
        <source>Arithmetic questions are spoken as well</source>
        <translation>Las preguntas de cálculo también se dicen en voz alta</translation>
    </message>
    <message>
        <source>The language of the voice that speaks the words</source>
        <translation>El idioma de la voz que dice las palabras</translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation>&amp;Voz</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>How large the text of every window is; the windows grow with it</source>
        <translation>El tamaño del texto de todas las ventanas; las ventanas crecen con él</translation>
    </message>
    <message>
        <source>A font made for children learning to read, or the desktop&apos;s own</source>
        <translation>Una letra hecha para niños que aprenden a leer, o la del escritorio</translation>
    </message>
    <message>
        <source>Hi&amp;gh contrast colours</source>
        <translation>Colores de alto &amp;contraste</translation>
    </message>
    <message>
        <source>White and yellow on black in every window</source>
        <translation>Blanco y amarillo sobre negro en todas las ventanas</translation>
    </message>
    <message>
        <source>How long the word to type stays on the screen, 100 % being the usual time</source>
        <translation>Cuánto tiempo se queda en pantalla la palabra que hay que escribir; 100 % es el tiempo habitual</translation>
    </message>
    <message>
        <source>A &amp;kind word at the end of a test</source>
        <translatorcomment>native review: &apos;Palabras de ánimo&apos; (encouragement) for &apos;a kind word&apos;</translatorcomment>
        <translation>Palabras de á&amp;nimo al final de la prueba</translation>
    </message>
    <message>
        <source>One line in the score window on what went well in the test</source>
        <translation>Una línea en la ventana de resultados sobre lo que ha salido bien en la prueba</translation>
    </message>
    <message>
        <source>A chi&amp;me after each right answer</source>
        <translation>Una ca&amp;mpanilla tras cada acierto</translation>
    </message>
    <message>
        <source>A short pleasant sound as RIGHT !! is shown</source>
        <translation>Un sonido corto y agradable al aparecer ¡¡MUY BIEN!!</translation>
    </message>
    <message>
        <source>Te&amp;xt size</source>
        <translation>Tamaño del te&amp;xto</translation>
    </message>
    <message>
        <source>Reading fo&amp;nt</source>
        <translation>Tipo de &amp;letra</translation>
    </message>
    <message>
        <source>Word shown f&amp;or</source>
        <translation>Palabra visible d&amp;urante</translation>
    </message>
    <message>
        <source>Answers where a list says nothing</source>
        <translation>Respuestas si la lista no dice nada</translation>
    </message>
    <message>
        <source>What else counts as right for every list that does not say it itself</source>
        <translation>Qué más cuenta como correcto en las listas que no lo dicen ellas mismas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>confirm options they are saved when you log out or quit orv6</source>
        <translation>Confirmar las opciones; se guardan al cerrar sesión o al salir de Orv</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Go back to original values</source>
        <translation>Volver a los valores anteriores</translation>
    </message>
    <message>
        <source> (the language&apos;s own voice)</source>
        <translation> (la voz propia del idioma)</translation>
    </message>
    <message>
        <source> (not on this computer)</source>
        <translation> (no está en este ordenador)</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>The language of the windows and of the voice; a change shows the next time Orv starts</source>
        <translation>El idioma de las ventanas y de la voz; un cambio se verá la próxima vez que se abra Orv</translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The language of the windows</source>
        <translatorcomment>native review: first entry of the Voice box: the voice speaks the windows&apos; language; &apos;Como las ventanas&apos; is short for the box</translatorcomment>
        <translation>Como las ventanas</translation>
    </message>
</context>
<context>
    <name>TPasLevForm</name>
    <message>
        <source>Option menu pasword Level</source>
        <translation>Nivel de contraseña del menú Opciones</translation>
    </message>
    <message>
        <source>Sound menu pasword Level</source>
        <translation>Nivel de contraseña del menú Sonido</translation>
    </message>
    <message>
        <source>List sounds pasword level</source>
        <translation>Nivel de contraseña para listar sonidos</translation>
    </message>
    <message>
        <source>Delete sound pasword level</source>
        <translation>Nivel de contraseña para borrar sonidos</translation>
    </message>
    <message>
        <source>Change Database</source>
        <translation>Cambiar base de datos</translation>
    </message>
    <message>
        <source>Delete spelling file</source>
        <translation>Eliminar lista de ortografía</translation>
    </message>
    <message>
        <source>Look at other users spelling list</source>
        <translation>Ver las listas de otros usuarios</translation>
    </message>
    <message>
        <source>Make wrong word file for others</source>
        <translation>Crear lista de palabras falladas para otros</translation>
    </message>
    <message>
        <source>Add users</source>
        <translation>Añadir usuarios</translation>
    </message>
    <message>
        <source>Pasword levels</source>
        <translation>Niveles de contraseña</translation>
    </message>
    <message>
        <source>The password level needed to have access to a particular feature</source>
        <translation>El nivel de contraseña necesario para acceder a cada función</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>learned</source>
        <translatorcomment>native review: words learned (box 5 of the review); feminine because it refers to palabras</translatorcomment>
        <translation>aprendidas</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translatorcomment>native review: a box of the review schedule</translatorcomment>
        <translation>Caja %1</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <translation>&amp;Alumno:</translation>
    </message>
    <message>
        <source>Whose tests are shown</source>
        <translation>De quién son las pruebas que se muestran</translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation>Si está marcado, solo las pruebas hechas entre el primer y el último día</translation>
    </message>
    <message>
        <source>Percent &amp;right</source>
        <translation>&amp;Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>&amp;Help used</source>
        <translation>A&amp;yuda usada</translation>
    </message>
    <message>
        <source>&amp;Words most often wrong</source>
        <translation>Palabras más &amp;falladas</translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translatorcomment>native review: the boxes of the review schedule (Leitner boxes); &apos;cajas&apos; is the usual term?</translatorcomment>
        <translation>&amp;Cajas</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Pruebas</translation>
    </message>
    <message>
        <source>T&amp;ests</source>
        <translation>P&amp;ruebas</translation>
    </message>
    <message>
        <source>Wrong words</source>
        <translation>Palabras falladas</translation>
    </message>
    <message>
        <source>Wrong wor&amp;ds</source>
        <translation>Palabras fa&amp;lladas</translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation>Tipos de error</translation>
    </message>
    <message>
        <source>&amp;Kinds of mistake</source>
        <translation>&amp;Tipos de error</translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation>Porcentaje de aciertos</translation>
    </message>
    <message>
        <source>Help used</source>
        <translation>Ayuda usada</translation>
    </message>
    <message>
        <source>No tests in these days</source>
        <translation>No hay pruebas en estos días</translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>No wrong answers in these days</source>
        <translation>No hay respuestas incorrectas en estos días</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>No review moves in these days</source>
        <translation>No hay movimientos de repaso en estos días</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso de %1</translation>
    </message>
    <message>
        <source>Tests of %1</source>
        <translation>Pruebas de %1</translation>
    </message>
    <message>
        <source>Wrong words of %1</source>
        <translation>Palabras falladas de %1</translation>
    </message>
    <message>
        <source>Kinds of mistake of %1</source>
        <translation>Tipos de error de %1</translation>
    </message>
</context>
<context>
    <name>TRecordForm</name>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>How loud the microphone hears you</source>
        <translation>Con qué volumen te oye el micrófono</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>Start recording the word</source>
        <translation>Empezar a grabar la palabra</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation>Parar la grabación</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation>Escuchar la grabación</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Conservar</translation>
    </message>
    <message>
        <source>Keep the recording as the word&apos;s sound</source>
        <translation>Conservar la grabación como sonido de la palabra</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Throw the recording away</source>
        <translation>Tirar la grabación</translation>
    </message>
    <message>
        <source>Ne&amp;xt word</source>
        <translation>Palabra &amp;siguiente</translation>
    </message>
    <message>
        <source>Leave this word without a new sound</source>
        <translation>Dejar esta palabra sin sonido nuevo</translation>
    </message>
    <message>
        <source>Press Record and say the word</source>
        <translation>Pulsa Grabar y di la palabra</translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation>No hay micrófono: no se puede grabar nada</translation>
    </message>
    <message>
        <source>Recording: say the word, then press Stop</source>
        <translation>Grabando: di la palabra y después pulsa Parar</translation>
    </message>
    <message>
        <source>Nothing was heard: record again</source>
        <translation>No se ha oído nada: graba otra vez</translation>
    </message>
    <message>
        <source>Play it back, then keep or discard it</source>
        <translation>Escúchala y después consérvala o descártala</translation>
    </message>
</context>
<context>
    <name>TSF2</name>
    <message>
        <source>Score</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>&amp;Current file only</source>
        <translation>Solo el archivo &amp;actual</translation>
    </message>
    <message>
        <source>Curent user only</source>
        <translation>Solo el usuario actual</translation>
    </message>
    <message>
        <source>Check to limit the SQL query to the curent user only</source>
        <translation>Marcar para limitar la consulta SQL al usuario actual</translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation>Respuestas incorrectas</translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Number or  rows</source>
        <translation>Número de filas</translation>
    </message>
    <message>
        <source>The number of lines return by the SQL query</source>
        <translation>El número de líneas que devuelve la consulta SQL</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Double or right click a row to see the words you got wrong/right</source>
        <translation>Haz doble clic o clic derecho en una fila para ver las palabras que fallaste o acertaste</translation>
    </message>
    <message>
        <source>open</source>
        <translation>abrir</translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation>&amp;Progreso</translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation>Tus pruebas a lo largo del tiempo, en gráficos</translation>
    </message>
    <message>
        <source>The list of words you got wrong/right for the row double clicked.</source>
        <translation>La lista de palabras que fallaste o acertaste en la fila en la que hiciste doble clic.</translation>
    </message>
    <message>
        <source>Double click a row to see the words you got wrong/right.</source>
        <translation>Haz doble clic en una fila para ver las palabras que fallaste o acertaste.</translation>
    </message>
    <message>
        <source>This test: %1 %, %2</source>
        <translation>Esta prueba: %1 %, %2</translation>
    </message>
</context>
<context>
    <name>TSU</name>
    <message>
        <source>No valid user name</source>
        <translation>Nombre de usuario no válido</translation>
    </message>
    <message>
        <source>SU</source>
        <translation>SU</translation>
    </message>
    <message>
        <source>Show &amp;All User</source>
        <translation>Mostrar &amp;todos los usuarios</translation>
    </message>
    <message>
        <source>Show &amp;Current User</source>
        <translation>Mostrar el usuario &amp;actual</translation>
    </message>
    <message>
        <source>Pick &amp;From List</source>
        <translation>Elegir de la &amp;lista</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Show &amp;wrong words</source>
        <translation>Mostrar palabras &amp;falladas</translation>
    </message>
    <message>
        <source>Show &amp;Right Words</source>
        <translation>Mostrar palabras a&amp;certadas</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>Act&amp;ualizar</translation>
    </message>
    <message>
        <source>No SQL</source>
        <translation>Sin SQL</translation>
    </message>
    <message>
        <source>SQL</source>
        <translation>SQL</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Number of rows</source>
        <translation>Número de filas</translation>
    </message>
    <message>
        <source>Database name:</source>
        <translation>Nombre de la base de datos:</translation>
    </message>
    <message>
        <source>|The SQL statement that will be executed when the Update button is pressed</source>
        <translation>|La sentencia SQL que se ejecutará al pulsar el botón Actualizar</translation>
    </message>
</context>
<context>
    <name>TSU1</name>
    <message>
        <source>Auto slection of word file from logs</source>
        <translation>Selección automática de la lista de palabras a partir de los registros</translation>
    </message>
    <message>
        <source>Wrong words</source>
        <translation>Palabras falladas</translation>
    </message>
    <message>
        <source>SQL group</source>
        <translation>Grupo SQL</translation>
    </message>
    <message>
        <source>Count &gt;=</source>
        <translation>Veces &gt;=</translation>
    </message>
    <message>
        <source>Count &lt;=</source>
        <translation>Veces &lt;=</translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation>Archivo de salida:</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>Use a new file instead of the default</source>
        <translation>Usar un archivo nuevo en lugar del predeterminado</translation>
    </message>
    <message>
        <source>Crea&amp;te file</source>
        <translation>Crear a&amp;rchivo</translation>
    </message>
    <message>
        <source>Send the output from the SQL queary to the file</source>
        <translation>Enviar el resultado de la consulta SQL al archivo</translation>
    </message>
</context>
<context>
    <name>TSoundsForm</name>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>SoundsForm</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Sound db</source>
        <translation>Base de sonidos</translation>
    </message>
    <message>
        <source>&amp;Add sound</source>
        <translation>&amp;Añadir sonido</translation>
    </message>
    <message>
        <source>&amp;Delete sound</source>
        <translation>&amp;Borrar sonido</translation>
    </message>
    <message>
        <source>&amp;Find sound</source>
        <translation>Bus&amp;car sonido</translation>
    </message>
    <message>
        <source>&amp;Record sound</source>
        <translation>&amp;Grabar sonido</translation>
    </message>
    <message>
        <source>Record &amp;missing</source>
        <translation>Grabar los que &amp;faltan</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Sound files (*.wav)</source>
        <translation>Archivos de sonido (*.wav)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Data has been deleted commit changes</source>
        <translation>Se han borrado datos: ¿confirmar los cambios?</translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation>No hay micrófono: no se puede grabar nada</translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation>Grabar sonido</translation>
    </message>
    <message>
        <source>The word to record</source>
        <translation>La palabra que se va a grabar</translation>
    </message>
    <message>
        <source>Every word of %1 has a sound</source>
        <translation>Todas las palabras de %1 tienen sonido</translation>
    </message>
    <message>
        <source>Delete word %1 from sound database ? </source>
        <translation>¿Borrar la palabra %1 de la base de datos de sonidos? </translation>
    </message>
    <message>
        <source>Search string &lt;%1&gt; not found</source>
        <translation>No se ha encontrado el texto &lt;%1&gt;</translation>
    </message>
</context>
<context>
    <name>TWrongWordsForm</name>
    <message>
        <source>You Have got it wrong!</source>
        <translatorcomment>native review: to the child after a wrong answer; should be gentle, not scolding</translatorcomment>
        <translation>¡Te has equivocado!</translation>
    </message>
    <message>
        <source>The answer is:</source>
        <translatorcomment>native review: label of the wrong-answer window, right-aligned in a fixed space: &apos;La respuesta es:&apos; was cut; &apos;Es así:&apos; pairs with &apos;No:&apos; below it</translatorcomment>
        <translation>Es así:</translation>
    </message>
    <message>
        <source>Not:</source>
        <translation>No:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>T_Input</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translatorcomment>native review: button of about 75 px in the answer window; a child hears the word again</translatorcomment>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <source>Re&amp;Show</source>
        <translatorcomment>native review: button of about 75 px; shows the word again; check it is not cut and that a child understands &apos;Ver otra vez&apos;</translatorcomment>
        <translation>&amp;Ver otra vez</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translatorcomment>native review: a child stops the test; &apos;Parar&apos; chosen over &apos;Detener&apos; as the simpler word (Alt+P)</translatorcomment>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Type in the word you were asked here</source>
        <translation>Escribe aquí la palabra que te han preguntado</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>La palabra</translation>
    </message>
    <message>
        <source>If there is a spoken prompt replay it.</source>
        <translation>Si la palabra se oye, escúchala otra vez.</translation>
    </message>
    <message>
        <source>Reshow the word to type</source>
        <translation>Volver a mostrar la palabra que hay que escribir</translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation>Parar esta prueba|Parar esta prueba y ver el resultado (o pulsa Esc)</translation>
    </message>
    <message>
        <source>|When you have type in the word click here or press enter</source>
        <translation>|Cuando hayas escrito la palabra, haz clic aquí o pulsa Intro</translation>
    </message>
</context>
<context>
    <name>TestSession</name>
    <message>
        <source>Stop this test?</source>
        <translatorcomment>native review: to the child; &apos;prueba&apos; is used for &apos;test&apos; throughout (a school may say &apos;ejercicio&apos; or &apos;dictado&apos;)</translatorcomment>
        <translation>¿Quieres parar esta prueba?</translation>
    </message>
    <message>
        <source>Word to enter</source>
        <translation>Palabra que hay que escribir</translation>
    </message>
    <message>
        <source> Message </source>
        <translation> Mensaje </translation>
    </message>
    <message>
        <source>RIGHT !!</source>
        <translatorcomment>native review: shouted praise after a right answer; &apos;CORRECTO&apos; would be the literal word</translatorcomment>
        <translation>¡¡MUY BIEN!!</translation>
    </message>
    <message>
        <source>right value, now write it in lowest terms</source>
        <translatorcomment>native review: to the child; &apos;fracción irreducible&apos; may be too hard a word for the youngest; &apos;simplifícala&apos; is an option</translatorcomment>
        <translation>valor correcto; ahora escríbela como fracción irreducible</translation>
    </message>
    <message>
        <source>Type in the ansswer</source>
        <translation>Escribe la respuesta</translation>
    </message>
    <message>
        <source>Please type in the last word</source>
        <translation>Escribe la última palabra</translation>
    </message>
    <message>
        <source> Error loading buffer &lt;%1&gt;
%2</source>
        <translation> Error al cargar el búfer &lt;%1&gt;
%2</translation>
    </message>
    <message>
        <source>Hi score %1 : %2 go&apos;&apos;s left out of %3 words</source>
        <translatorcomment>native review: the answer window&apos;s progress line: %1 the score so far, %2 the questions left, %3 the words of the test</translatorcomment>
        <translation>Puntos %1 : quedan %2 de %3 palabras</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Only a teacher&apos;s account of this computer can change %1.</source>
        <translation>Solo una cuenta de docente de este ordenador puede cambiar %1.</translation>
    </message>
</context>
<context>
    <name>export_window</name>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>KVTML 2.0 (*.kvtml)</source>
        <translation>KVTML 2.0 (*.kvtml)</translation>
    </message>
    <message>
        <source>Anki text (*.txt)</source>
        <translation>Texto de Anki (*.txt)</translation>
    </message>
    <message>
        <source>Export list</source>
        <translation>Exportar lista</translation>
    </message>
    <message>
        <source>The list could not be written: </source>
        <translation>No se ha podido escribir la lista: </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written to %2</source>
        <translation>&quot;%1&quot; se ha escrito en %2</translation>
    </message>
</context>
<context>
    <name>getuser</name>
    <message>
        <source>Can&apos;t locate any compatible database keys in the registry, you probably need to install Firebird or InterBase</source>
        <translation>No se encuentra en el registro ninguna clave de base de datos compatible; probablemente haya que instalar Firebird o InterBase</translation>
    </message>
    <message>
        <source>Can&apos;t continue with out a compatible database. Orv will now terminate</source>
        <translation>No se puede continuar sin una base de datos compatible. Orv se cerrará ahora</translation>
    </message>
    <message>
        <source>Can not copy the database .dll file OUCH!! :
<byte value="xd"/></source>
        <translation>No se puede copiar el archivo .dll de la base de datos ¡AY! :
<byte value="xd"/></translation>
    </message>
    <message>
        <source>No password file was found (%1). Create one with the super user %2?</source>
        <translation>No se ha encontrado ningún archivo de contraseñas (%1). ¿Crear uno con el superusuario %2?</translation>
    </message>
    <message>
        <source>pasFile=%1 in %2 does not name a file inside the program directory %3, so it is not used. Name the password file there, as pasFile=KVXS1.KVX.</source>
        <translation>pasFile=%1 en %2 no nombra un archivo dentro de la carpeta del programa %3, así que no se usa. Nombre ahí el archivo de contraseñas, como pasFile=KVXS1.KVX.</translation>
    </message>
</context>
<context>
    <name>groupcommands</name>
    <message>
        <source>New directory</source>
        <translation>Carpeta nueva</translation>
    </message>
    <message>
        <source>Type In a name:</source>
        <translation>Escriba un nombre:</translation>
    </message>
    <message>
        <source>New dir</source>
        <translation>Carpeta nueva</translation>
    </message>
    <message>
        <source>About to create directory %1 In the root spelling directory</source>
        <translation>Se va a crear la carpeta %1 en la carpeta raíz de las listas</translation>
    </message>
    <message>
        <source>About to create directory %1 as a sub dir of %2</source>
        <translation>Se va a crear la carpeta %1 como subcarpeta de %2</translation>
    </message>
    <message>
        <source>Please chooses a host dir</source>
        <translation>Elija una carpeta de destino</translation>
    </message>
    <message>
        <source>Change Diretory</source>
        <translation>Cambiar carpeta</translation>
    </message>
    <message>
        <source>Directory to remove</source>
        <translation>Carpeta que se eliminará</translation>
    </message>
</context>
<context>
    <name>lookatpas</name>
    <message>
        <source>Access denied</source>
        <translation>Acceso denegado</translation>
    </message>
    <message>
        <source>User level</source>
        <translation>Nivel del usuario</translation>
    </message>
    <message>
        <source>Input a number from 0 to 255</source>
        <translation>Escriba un número de 0 a 255</translation>
    </message>
    <message>
        <source>Write changes to password file</source>
        <translation>¿Escribir los cambios en el archivo de contraseñas?</translation>
    </message>
    <message>
        <source>Error in number</source>
        <translation>Error en el número</translation>
    </message>
    <message>
        <source>Sorry can not edit the user name</source>
        <translation>No se puede editar el nombre de usuario</translation>
    </message>
</context>
<context>
    <name>openprogress_window</name>
    <message>
        <source>No valid user name</source>
        <translation>Nombre de usuario no válido</translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source> Not enough words in file</source>
        <translation> No hay bastantes palabras en el archivo</translation>
    </message>
    <message>
        <source>Could not save which words of the list are still to come (%1). %2</source>
        <translation>No se ha podido guardar qué palabras de la lista quedan por hacer (%1). %2</translation>
    </message>
</context>
<context>
    <name>printing_window</name>
    <message>
        <source>The printer could not be started</source>
        <translation>No se ha podido poner en marcha la impresora</translation>
    </message>
</context>
<context>
    <name>startupfile</name>
    <message>
        <source>Can not continue with out start up file</source>
        <translation>No se puede continuar sin el archivo de inicio</translation>
    </message>
    <message>
        <source>Can not fined the start up file create new?</source>
        <translation>No se encuentra el archivo de inicio. ¿Crear uno nuevo?</translation>
    </message>
    <message>
        <source> Error saveing start up file buffer </source>
        <translation> Error al guardar el búfer del archivo de inicio </translation>
    </message>
    <message>
        <source> Error loading start up file buffer </source>
        <translation> Error al cargar el búfer del archivo de inicio </translation>
    </message>
    <message>
        <source>Line 5 of the start-up file %1 names a group outside the word lists (%2). The word lists&apos; own folder is used instead.</source>
        <translation>La línea 5 del archivo de inicio %1 nombra un grupo fuera de las listas de palabras (%2). Se usa en su lugar la carpeta de las propias listas.</translation>
    </message>
    <message>
        <source>Line %1 of the start-up file %2 has no level number after &quot;%3&quot;. The level %4 is used instead.</source>
        <translation>La línea %1 del archivo de inicio %2 no tiene número de nivel detrás de &quot;%3&quot;. Se usa en su lugar el nivel %4.</translation>
    </message>
</context>
<context>
    <name>wordfile</name>
    <message>
        <source>New File</source>
        <translation>Archivo nuevo</translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation>Escriba un nombre de archivo</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Send SQL output to: %1</source>
        <translation>Enviar el resultado SQL a: %1</translation>
    </message>
    <message>
        <source>Could not save who owns the list (%1). %2</source>
        <translation>No se ha podido guardar quién es el propietario de la lista (%1). %2</translation>
    </message>
    <message>
        <source>Error %1 writing to file
%2</source>
        <translation>Error %1 al escribir en el archivo
%2</translation>
    </message>
    <message>
        <source>%1 words successfully writen to file</source>
        <translation>%1 palabras escritas correctamente en el archivo</translation>
    </message>
</context>
</TS>
