<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Artwork</name>
    <message>
        <source>Only when the last tree
has been cut down,
the last river poisoned
and the last fish caught,
will people find
that money
cannot be eaten.</source>
        <translation>Solo cuando se haya talado
el último árbol,
envenenado el último río
y pescado el último pez,
se dará cuenta la gente
de que el dinero
no se puede comer.</translation>
    </message>
    <message>
        <source>In loving memory of our teacher</source>
        <translation>En memoria de nuestro querido maestro</translation>
    </message>
    <message>
        <source>who taught us to harvest only what nature gives again</source>
        <translation>que nos enseñó a cosechar solo lo que la naturaleza vuelve a dar</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Harvest theory</source>
        <translation>Teoría de la cosecha</translation>
    </message>
    <message>
        <source>What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory?</source>
        <translation>¿Qué consecuencias tiene criar una población y cosechar de ella sin tener en cuenta la teoría de la cosecha?</translation>
    </message>
    <message>
        <source>To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why.</source>
        <translation>Para mantener un cultivo de bacterias útiles, ¿usarías el modelo exponencial, el modelo logístico u otro modelo? Explica por qué.</translation>
    </message>
    <message>
        <source>Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>¿Qué otros factores, además de la tasa de crecimiento y la capacidad de carga, debería tener en cuenta un modelo de cría masiva y cosecha?</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <translation>Eres rico.</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <translation>Ganas algo de dinero.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <translation>Eres un perdedor.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <translation>Vas a la quiebra.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt,
you have to stay in jail.</source>
        <translation>No puedes pagar tu deuda,
tienes que quedarte en la cárcel.</translation>
    </message>
    <message>
        <source>1. What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory? 2. To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why. 3. Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>1. ¿Qué consecuencias tiene criar una población y cosechar de ella sin tener en cuenta la teoría de la cosecha? 2. Para mantener un cultivo de bacterias útiles, ¿usarías el modelo exponencial, el modelo logístico u otro modelo? Explica por qué. 3. ¿Qué otros factores, además de la tasa de crecimiento y la capacidad de carga, debería tener en cuenta un modelo de cría masiva y cosecha?</translation>
    </message>
    <message>
        <source>In loving memory of our teacher, who taught us to harvest only what nature gives again.</source>
        <translation>En memoria de nuestro querido maestro, que nos enseñó a cosechar solo lo que la naturaleza vuelve a dar.</translation>
    </message>
</context>
<context>
    <name>ChartDescription</name>
    <message>
        <source>x</source>
        <comment>the horizontal axis, when it has no title</comment>
        <translation>x</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <comment>a range of values on an axis</comment>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source>The %1 series is one point, %2 at %3 %4.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, where</comment>
        <translation>La serie %1 es un solo punto, %2 en %3 %4.</translation>
    </message>
    <message>
        <source>The %1 series stays at %2 from %3 %4 to %5.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, from where, to where</comment>
        <translation>La serie %1 se mantiene en %2 desde %3 %4 hasta %5.</translation>
    </message>
    <message>
        <source>The %1 series stands at %2 %3, from %4 to %5.</source>
        <comment>series name, the horizontal axis&apos;s title, where, first value, last value</comment>
        <translation>La serie %1 está en %2 %3 y va de %4 a %5.</translation>
    </message>
    <message>
        <source>The %1 series runs from %2 at %3 %4 to %5 at %3 %6; lowest %7, highest %8.</source>
        <comment>series name, first value, the horizontal axis&apos;s title, where, last value, where, lowest value, highest value</comment>
        <translation>La serie %1 va de %2 en %3 %4 a %5 en %3 %6; mínimo %7, máximo %8.</translation>
    </message>
    <message>
        <source>Nothing is drawn.</source>
        <translation>No se dibuja nada.</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the vertical axis, when it has no title</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>%1 %2; %3 %4.</source>
        <comment>the axes: horizontal title, its range; vertical title, its range (&quot;Time 0 to 65; N(t) 100 to 500.&quot;)</comment>
        <translation>%1 %2; %3 %4.</translation>
    </message>
    <message>
        <source>Some values too large to draw are left out.</source>
        <translation>Se omiten algunos valores demasiado grandes para dibujarlos.</translation>
    </message>
    <message>
        <source>%1 at N = %2 %3</source>
        <comment>the highest value, the population size there, and which curve (&quot;1012 at N = 220 for p/e=50&quot;)</comment>
        <translation>%1 en N = %2 %3</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>what is listed, then the list</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two items of a list read aloud: &quot;a, b and c&quot;</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Left and Right read the points of a series, Home and End its ends, Page Up and Page Down ten points forward or back; Up and Down go to the next or the previous series; Escape ends the reading. Enter or a click shows the next chart; the menu key or a right click copies or saves it.</source>
        <translation>Las flechas izquierda y derecha leen los puntos de una serie, Inicio y Fin sus extremos, Re Pág y Av Pág avanzan o retroceden diez puntos; las flechas arriba y abajo pasan a la serie siguiente o a la anterior; Esc termina la lectura. Intro o un clic muestra el gráfico siguiente; la tecla de menú o un clic derecho lo copia o lo guarda.</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>Does a word that begins a title or a note lose its capital inside a sentence, as English &quot;Time&quot; in &quot;at time 65&quot;? Answer yes or no.</comment>
        <translation>yes</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>original</source>
        <translation>original</translation>
    </message>
    <message>
        <source>harvested</source>
        <translation>cosechada</translation>
    </message>
    <message>
        <source>harvest rate</source>
        <translation>tasa de cosecha</translation>
    </message>
    <message>
        <source>N(t) (harvested)</source>
        <translation>N(t) (cosechada)</translation>
    </message>
    <message>
        <source>dN(t) (harvested)</source>
        <translation>dN(t) (cosechada)</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>inestable</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>estable</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>costo</translation>
    </message>
    <message>
        <source>Kept, %1: %2</source>
        <comment>a note on a kept run: what tells it from this run (&quot;H = 20&quot;), then the note</comment>
        <translation>Guardada, %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a kept run&apos;s curve: the series, then what tells the run from this one (&quot;harvested, H = 20&quot;)</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This run is kept already</source>
        <translation>Esta simulación ya está guardada</translation>
    </message>
    <message>
        <source>Run kept to compare (%1 of %2)</source>
        <translation>Simulación guardada para comparar (%1 de %2)</translation>
    </message>
    <message>
        <source>Kept runs forgotten</source>
        <translation>Simulaciones guardadas olvidadas</translation>
    </message>
    <message>
        <source>needs a run of the logistic model</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>requiere una simulación del modelo logístico</translation>
    </message>
    <message>
        <source>not defined unless K &gt; 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>solo está definido si K &gt; 0</translation>
    </message>
    <message>
        <source>The harvested population dies out at time %1.</source>
        <translation>La población cosechada se extingue en el tiempo %1.</translation>
    </message>
    <message>
        <source>The curves are not drawn: %1.</source>
        <translation>No se dibujan las curvas: %1.</translation>
    </message>
    <message>
        <source>The original population follows the exact solution of the model, the harvested one is computed step by step, so with H = 0 the two differ slightly.</source>
        <translation>La población original sigue la solución exacta del modelo y la cosechada se calcula paso a paso, por lo que con H = 0 ambas difieren ligeramente.</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>valores demasiado grandes para dibujar</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0.</source>
        <translation>Tasa de cosecha %1; sin equilibrio, r = 0.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Tasa de cosecha %1; sin equilibrio: H &gt; rK/4, la población cosechada se extingue.</translation>
    </message>
    <message>
        <source>Harvest rate %1; the two equilibria meet at N = %2: a smaller population dies out.</source>
        <translation>Tasa de cosecha %1; los dos equilibrios coinciden en N = %2: una población menor se extingue.</translation>
    </message>
    <message>
        <source>Harvest rate %1; unstable equilibrium at N = %2, stable at N = %3.</source>
        <translation>Tasa de cosecha %1; equilibrio inestable en N = %2, estable en N = %3.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0: the harvested population dies out.</source>
        <translation>Tasa de cosecha %1; sin equilibrio, r = 0: la población cosechada se extingue.</translation>
    </message>
    <message>
        <source>Harvest rate %1; one equilibrium, unstable, at N = %2: a larger population grows, a smaller one dies out.</source>
        <translation>Tasa de cosecha %1; un único equilibrio, inestable, en N = %2: una población mayor crece y una menor se extingue.</translation>
    </message>
    <message>
        <source>no equilibrium, r = 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>sin equilibrio, r = 0</translation>
    </message>
    <message>
        <source>no equilibrium, H &gt; rK/4</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>sin equilibrio, H &gt; rK/4</translation>
    </message>
    <message>
        <source>The largest harvest with an equilibrium, the maximum sustainable yield, is rK/4 = %1, reached at N = K/2 = %2; with H above it there is no equilibrium.</source>
        <translation>La mayor cosecha con equilibrio, el rendimiento máximo sostenible, es rK/4 = %1 y se alcanza en N = K/2 = %2; con una H mayor no hay equilibrio.</translation>
    </message>
    <message>
        <source>the maximum sustainable yield, rK/4 = %1</source>
        <comment>said of the point at the top of the growth curve</comment>
        <translation>el rendimiento máximo sostenible, rK/4 = %1</translation>
    </message>
    <message>
        <source>%1 at N = %2</source>
        <comment>a revenue curve and where it crosses the cost (&quot;R (p/e=50) at N = 466.7&quot;)</comment>
        <translation>%1 en N = %2</translation>
    </message>
    <message>
        <source>Revenue crosses the cost: %1.</source>
        <translation>Los ingresos cruzan el costo: %1.</translation>
    </message>
    <message>
        <source>%1 never rises above the cost.</source>
        <comment>one revenue curve</comment>
        <translation>%1 nunca supera el costo.</translation>
    </message>
    <message>
        <source>%1 never rise above the cost.</source>
        <comment>a list of revenue curves</comment>
        <translation>%1 nunca superan el costo.</translation>
    </message>
    <message>
        <source>for p/e=%1</source>
        <translation>para p/e=%1</translation>
    </message>
    <message>
        <source>Highest net profit</source>
        <translation>Máximo beneficio neto</translation>
    </message>
    <message>
        <source>Keep this run for comparison</source>
        <translation>Guardar esta simulación para comparar</translation>
    </message>
    <message>
        <source>K keeps this run for comparison.</source>
        <translation>K guarda esta simulación para comparar.</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Olvidar simulaciones guardadas</translation>
    </message>
    <message>
        <source>Save handout…</source>
        <translation>Guardar resumen…</translation>
    </message>
    <message>
        <source>Ctrl+H saves a handout of the run.</source>
        <translation>Ctrl+H guarda un resumen de la simulación.</translation>
    </message>
    <message>
        <source>Print chart…</source>
        <translation>Imprimir gráfico…</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argumento desconocido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>two lesson files, &apos;%1&apos; and &apos;%2&apos;; give one</source>
        <translation>dos archivos de lección, &apos;%1&apos; y &apos;%2&apos;; indica solo uno</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se indica dos veces</translation>
    </message>
    <message>
        <source>%1: the model is logistic or exponential</source>
        <translation>%1: el modelo es logistic o exponential</translation>
    </message>
    <message>
        <source>%1: the seed is a whole number from 0 to %2</source>
        <translation>%1: la semilla es un número entero de 0 a %2</translation>
    </message>
    <message>
        <source>%1: the languages are %2</source>
        <translation>%1: los idiomas son %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 no es un número</translation>
    </message>
    <message>
        <source>Tarnwick (Basic): a teaching program on harvest theory in population ecology.
Started without arguments it opens its windows; everything is done there.
A lesson file or the options below start it with a teacher&apos;s model and values,
as if a student had typed each into its box in the main window and pressed
Enter; what the boxes correct is said on standard error.

      --model M  the model: logistic or exponential
      --n0 N     the initial population size N(0)
      --r R      the intrinsic rate r
      --k K      the carrying capacity K (logistic model only)
      --h H      the harvest H per time interval
      --t T      the run length
      --seed S   the game&apos;s random businesses, the same on every start and
                 every machine (a whole number from 0 to 4294967295)
      --lang L   the language, instead of the desktop&apos;s: %1
  -h, --help     show this help and exit
      --version  show the version and exit

Each option may also be written --option=value; an option&apos;s value wins over
the lesson file&apos;s. A lesson file (*.tarnwick) is saved with Save lesson...
(Ctrl+S) in the main window, or written by hand: see man tarnwick.

Without a display, run it under a virtual one: xvfb-run tarnwick
</source>
        <translation>Tarnwick (Basic): un programa didáctico sobre la teoría de la cosecha en ecología de poblaciones.
Si se inicia sin argumentos, abre sus ventanas; todo se hace desde ellas.
Un archivo de lección o las opciones siguientes lo inician con el modelo y los valores
del profesor, como si un estudiante los hubiera escrito en su casilla de la ventana
principal y pulsado Intro; lo que corrigen las casillas se indica en la salida de error.

      --model M  el modelo: logistic o exponential
      --n0 N     el tamaño inicial de la población N(0)
      --r R      la tasa intrínseca r
      --k K      la capacidad de carga K (solo modelo logístico)
      --h H      la cosecha H por intervalo de tiempo
      --t T      la duración de la simulación
      --seed S   los negocios aleatorios del juego, iguales en cada inicio y
                 en cada máquina (un número entero de 0 a 4294967295)
      --lang L   el idioma, en lugar del del escritorio: %1
  -h, --help     muestra esta ayuda y termina
      --version  muestra la versión y termina

Cada opción puede escribirse también --opción=valor; el valor de una opción
prevalece sobre el del archivo de lección. Un archivo de lección (*.tarnwick) se
guarda con Guardar lección... (Ctrl+S) en la ventana principal, o se escribe a
mano: véase man tarnwick.

Sin pantalla, ejecútalo en una virtual: xvfb-run tarnwick
</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>%1; see tarnwick --help</source>
        <translation>%1; consulta tarnwick --help</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Basic Tarnwick Theory</source>
        <extracomment>the main window&apos;s caption</extracomment>
        <translation>Teoría básica de Tarnwick</translation>
    </message>
    <message>
        <source>Copyright © %1 Tarnwick Teaching Project</source>
        <extracomment>the notice under the title; %1 is the current year</extracomment>
        <translation>Copyright © %1 Tarnwick Teaching Project</translation>
    </message>
    <message>
        <source>Prof. Rowan Tarnwick
rowan.tarnwick@example.org
Institute of Population Ecology
Example University
1 Harvest Lane
Tarnwick TW1 2AB
Exampleland</source>
        <extracomment>the author&apos;s name and postal address, one line each; the name, the e-mail address, the street and the postcode stay as they are</extracomment>
        <translation>Prof. Rowan Tarnwick
rowan.tarnwick@example.org
Instituto de Ecología de Poblaciones
Example University
1 Harvest Lane
Tarnwick TW1 2AB
Exampleland</translation>
    </message>
    <message>
        <source>Press Enter or click RUN to begin the simulation.  
Click on the graph to change graph.
If you change the default values, press Enter to confirm the change.  
Comments and suggestions are welcome (e-mail to tarnwick@example.org).</source>
        <extracomment>the instructions over the chart before the first run; RUN is the caption of the button that runs the model</extracomment>
        <translation>Pulsa Intro o haz clic en INICIAR para comenzar la simulación.  
Haz clic en el gráfico para cambiar de gráfico.
Si cambias los valores predeterminados, pulsa Intro para confirmar el cambio.  
Se agradecen comentarios y sugerencias (correo a tarnwick@example.org).</translation>
    </message>
    <message>
        <source>Save lesson…</source>
        <extracomment>a command of the chart&apos;s menu: saves the model and the parameters to a lesson file</extracomment>
        <translation>Guardar lección…</translation>
    </message>
    <message>
        <source>Ctrl+S saves the model and the parameters as a lesson.</source>
        <translation>Ctrl+S guarda el modelo y los parámetros como lección.</translation>
    </message>
    <message>
        <source>Open lesson…</source>
        <extracomment>a command of the chart&apos;s menu: opens a lesson file</extracomment>
        <translation>Abrir lección…</translation>
    </message>
    <message>
        <source>Ctrl+O opens a lesson.</source>
        <translation>Ctrl+O abre una lección.</translation>
    </message>
    <message>
        <source>No run yet: nothing to hand out</source>
        <translation>Aún no hay simulación: no hay nada que entregar</translation>
    </message>
    <message>
        <source>%1: left out, the exponential model has none</source>
        <extracomment>a lesson&apos;s value for a box the exponential model locks; %1 names the box&apos;s quantity (&quot;K&quot;)</extracomment>
        <translation>%1: omitido, el modelo exponencial no lo tiene</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <extracomment>a lesson&apos;s value that Enter corrected: &quot;K: 0 became 500&quot;; %1 names the box&apos;s quantity, %2 is the lesson&apos;s value, %3 the value in the box now</extracomment>
        <translation>%1: %2 pasó a ser %3</translation>
    </message>
    <message>
        <source>Lesson not saved: %1</source>
        <extracomment>%1 says why the lesson could not be saved</extracomment>
        <translation>Lección no guardada: %1</translation>
    </message>
    <message>
        <source>Tarnwick lesson (*.tarnwick)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Lección de Tarnwick (*.tarnwick)</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <extracomment>the caption of the file dialog that saves a lesson</extracomment>
        <translation>Guardar lección</translation>
    </message>
    <message>
        <source>Lesson saved</source>
        <translation>Lección guardada</translation>
    </message>
    <message>
        <source>Lesson not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Lección no guardada: no se puede escribir %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <extracomment>the caption of the file dialog that opens a lesson</extracomment>
        <translation>Abrir lección</translation>
    </message>
    <message>
        <source>Lesson opened: %1</source>
        <extracomment>%1 is the name of the lesson file</extracomment>
        <translation>Lección abierta: %1</translation>
    </message>
    <message>
        <source>Population size :</source>
        <extracomment>the caption of the result field before a run: the final population size without harvest</extracomment>
        <translation>Tamaño de población:</translation>
    </message>
    <message>
        <source>Up and Down change %1 by %2, Page Up and Page Down by %3</source>
        <extracomment>the tooltip of a parameter box; %1 is what the box holds (&quot;H&quot;, &quot;the run length&quot;), %2 one step, %3 ten steps</extracomment>
        <translation>Las flechas arriba y abajo cambian %1 en %2; Re Pág y Av Pág, en %3</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)</source>
        <extracomment>the program&apos;s name, the title of the main window</extracomment>
        <translation>Tarnwick (Basic)</translation>
    </message>
    <message>
        <source>Basis</source>
        <extracomment>the caption of the frame where the student chooses the model</extracomment>
        <translation>Base</translation>
    </message>
    <message>
        <source>Exponential growth: dN/dt=rN-H</source>
        <extracomment>a model option; the formula may stay as it is</extracomment>
        <translation>Crecimiento exponencial: dN/dt=rN-H</translation>
    </message>
    <message>
        <source>Logistic growth: dN/dt=rN(1-N/K)-H</source>
        <extracomment>a model option; the formula may stay as it is</extracomment>
        <translation>Crecimiento logístico: dN/dt=rN(1-N/K)-H</translation>
    </message>
    <message>
        <source>r: growth rate, K: carrying capacity</source>
        <extracomment>the symbols of the model options: r and K stay as they are</extracomment>
        <translation>r: tasa de crec., K: capacidad de carga</translation>
    </message>
    <message>
        <source>H: harvest rate per time interval</source>
        <extracomment>the symbol of the model options: H stays as it is</extracomment>
        <translation>H: tasa de cosecha por intervalo</translation>
    </message>
    <message>
        <source>More ...</source>
        <extracomment>the button that opens the introduction to the theory</extracomment>
        <translation>Más ...</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>the button that opens the harvest game</extracomment>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Play game</source>
        <translation>Jugar al juego</translation>
    </message>
    <message>
        <source>Quiz</source>
        <extracomment>the tooltip of the picture button that opens the quiz</extracomment>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Parameters and data</source>
        <translation>Parámetros y datos</translation>
    </message>
    <message>
        <source>Intrinsic rate (r):</source>
        <extracomment>the label of the box of the growth rate r</extracomment>
        <translation>Tasa intrínseca (r):</translation>
    </message>
    <message>
        <source>Initial population size N(0):</source>
        <translation>Población inicial N(0):</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Capacidad de carga (K):</translation>
    </message>
    <message>
        <source>Harvest rate/time interval:</source>
        <extracomment>the label of the box of the harvest rate H</extracomment>
        <translation>Tasa de cosecha/intervalo:</translation>
    </message>
    <message>
        <source>Run for t = 1 to t =</source>
        <extracomment>the label of the box of the run length: the last time step t the model runs to</extracomment>
        <translation>Simular de t = 1 a t =</translation>
    </message>
    <message>
        <source>Final population size (harvested):</source>
        <translation>Tamaño final de la población (con cosecha):</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>the caption of the frame round the chart</extracomment>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Bonjour!</source>
        <extracomment>the greeting over the chart before the first run, in French in the English program: keep it or greet in your language</extracomment>
        <translation>Bonjour!</translation>
    </message>
    <message>
        <source>RUN</source>
        <extracomment>the button that runs the model (the instructions call it RUN too)</extracomment>
        <translation>INICIAR</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Ejecutar la simulación</translation>
    </message>
    <message>
        <source>Large graph</source>
        <extracomment>the button that opens the large graph window</extracomment>
        <translation>Gráfico grande</translation>
    </message>
    <message>
        <source>Show more detail in large graph</source>
        <translation>Ver más detalle en el gráfico grande</translation>
    </message>
    <message>
        <source>N, dN vs. t</source>
        <extracomment>the button that shows the chart of N and dN against time t</extracomment>
        <translation>N, dN vs. t</translation>
    </message>
    <message>
        <source> Print</source>
        <extracomment>the button that prints the window (the space before it belongs to the caption)</extracomment>
        <translation> Impr.</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimir esta ventana</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>the button that ends the program</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Salir de este programa</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>the caption of the frame round the author&apos;s portrait and address</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>the tooltip of the portrait, which opens the instructions: how to use the program</extracomment>
        <translation>Cómo usarlo</translation>
    </message>
    <message>
        <source>Final population size (without harvest)</source>
        <translation>Tamaño final de la población (sin cosecha)</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Retrato del autor</translation>
    </message>
    <message>
        <source>Not run: t is not a whole number from 1 to %1</source>
        <extracomment>why RUN did not run; t is the run length, %1 the longest run</extracomment>
        <translation>No se ejecutó: t no es un entero de 1 a %1</translation>
    </message>
    <message>
        <source>Enter a run length from 1 to %1</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run</extracomment>
        <translation>Introduce una duración de 1 a %1</translation>
    </message>
    <message>
        <source>Not run: N(0) is negative</source>
        <extracomment>why RUN did not run: the initial population size N(0) is below 0</extracomment>
        <translation>No se ejecutó: N(0) es negativo</translation>
    </message>
    <message>
        <source>Enter N(0) of 0 or more</source>
        <translation>Introduce un N(0) de 0 o más</translation>
    </message>
    <message>
        <source>Not run: r is negative</source>
        <extracomment>why RUN did not run: the growth rate r is below 0</extracomment>
        <translation>No se ejecutó: r es negativo</translation>
    </message>
    <message>
        <source>Enter r of 0 or more</source>
        <translation>Introduce un r de 0 o más</translation>
    </message>
    <message>
        <source>Not run: H is negative</source>
        <extracomment>why RUN did not run: the harvest rate H is below 0</extracomment>
        <translation>No se ejecutó: H es negativo</translation>
    </message>
    <message>
        <source>Enter H of 0 or more</source>
        <translation>Introduce un H de 0 o más</translation>
    </message>
    <message>
        <source>Not run: K is not above 0</source>
        <extracomment>why RUN did not run: the carrying capacity K is 0 or below</extracomment>
        <translation>No se ejecutó: K no es mayor que 0</translation>
    </message>
    <message>
        <source>Enter K greater than 0</source>
        <translation>Introduce un K mayor que 0</translation>
    </message>
    <message>
        <source>Not run: N(t) grows too large</source>
        <extracomment>why RUN did not run: the population N(t) grows past what can be computed</extracomment>
        <translation>No se ejecutó: N(t) crece demasiado</translation>
    </message>
    <message>
        <source>Run for t = 1 to %1 at most</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run that can be computed</extracomment>
        <translation>Simula hasta t = %1 o menos</translation>
    </message>
    <message>
        <source>Use a smaller N(0) or r</source>
        <extracomment>what to change so that RUN runs: the initial population size N(0) or the growth rate r</extracomment>
        <translation>Usa un N(0) o un r menor</translation>
    </message>
    <message>
        <source>Without harvest, N(%1)=</source>
        <extracomment>the caption of the final population size without harvest; %1 is the last time step t: &quot;Without harvest, N(65)=&quot;</extracomment>
        <translation>Sin cosecha, N(%1)=</translation>
    </message>
    <message>
        <source>%1. %2 %3</source>
        <extracomment>what a screen reader says of a refused run: %1 why it was refused, %2 the caption &quot;What to change:&quot;, %3 what to change</extracomment>
        <translation>%1. %2 %3</translation>
    </message>
    <message>
        <source>%1 %2. %3 %4</source>
        <extracomment>what a screen reader says of a run&apos;s results: %1 the caption of the harvested population&apos;s final size, %2 that size, %3 the caption of the size without harvest (&quot;Without harvest, N(65)=&quot;), %4 that size</extracomment>
        <translation>%1 %2. %3 %4</translation>
    </message>
    <message>
        <source>What to change:</source>
        <extracomment>the caption of the field that says what to change after a refused run</extracomment>
        <translation>Qué cambiar:</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <extracomment>what a screen reader says after a step of a box: %1 names the box&apos;s quantity (&quot;H&quot;, &quot;The run length&quot;), %2 is its new value, %3 the results of the run</extracomment>
        <translation>%1 %2. %3</translation>
    </message>
    <message>
        <source>N(t) vs. time</source>
        <translation>N(t) vs. tiempo</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>dN(t) vs. time</source>
        <translation>dN(t) vs. tiempo</translation>
    </message>
    <message>
        <source>dN</source>
        <extracomment>an axis title: the change dN of the population size in a time step</extracomment>
        <translation>dN</translation>
    </message>
    <message>
        <source>dN vs. N</source>
        <translation>dN vs. N</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>an axis title: the population size N</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>lnN(t) vs. time</source>
        <translation>lnN(t) vs. tiempo</translation>
    </message>
    <message>
        <source>lnN</source>
        <extracomment>an axis title: the natural logarithm of the population size N</extracomment>
        <translation>lnN</translation>
    </message>
    <message>
        <source>N and dN(t) vs. time</source>
        <translation>N y dN(t) vs. tiempo</translation>
    </message>
    <message>
        <source>N and dN</source>
        <extracomment>an axis title: the population size N and its change dN</extracomment>
        <translation>N y dN</translation>
    </message>
    <message>
        <source>dN/N vs. N</source>
        <translation>dN/N vs. N</translation>
    </message>
    <message>
        <source>dN/N</source>
        <extracomment>an axis title: the change dN of the population size per individual</extracomment>
        <translation>dN/N</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N (logistic model)</source>
        <translation>dN teórico vs. N (modelo logístico)</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N</source>
        <translation>dN teórico vs. N</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N (exponential model)</source>
        <translation>dN teórico vs. N (modelo exponencial)</translation>
    </message>
    <message>
        <source>Cost and Revenue vs. N</source>
        <translation>Costo e ingresos vs. N</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C y R</translation>
    </message>
    <message>
        <source>Net profit vs. N (p/e = 50, 20, 10, 5)</source>
        <extracomment>a chart title; p/e is the ratio of the price of the harvest to its expense</extracomment>
        <translation>Beneficio neto vs. N (p/e = 50, 20, 10, 5)</translation>
    </message>
    <message>
        <source>Net profit vs. N</source>
        <translation>Beneficio neto vs. N</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Beneficio</translation>
    </message>
    <message>
        <source>Cost and Revenue vs. N (exponential model)</source>
        <translation>Costo e ingresos vs. N (modelo exponencial)</translation>
    </message>
    <message>
        <source>Net profit vs. N (exponential model)</source>
        <translation>Beneficio neto vs. N (modelo exponencial)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game</source>
        <extracomment>the caption of the harvest game&apos;s window</extracomment>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Can you make profit from a mass rearing program?</source>
        <translation>¿Puedes ganar dinero con un programa de cría masiva?</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>the title of the frame where the student chooses the growth model</extracomment>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Exponential growth:  dN/dt = r N - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (N population, r growth rate, H harvest rate)</extracomment>
        <translation>Crecimiento exponencial: dN/dt=rN-H</translation>
    </message>
    <message>
        <source>Logistic growth:  dN/dt = r N (1-N/K) - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (K carrying capacity)</extracomment>
        <translation>Crecimiento logístico: dN/dt=rN(1-N/K)-H</translation>
    </message>
    <message>
        <source> Rearing program</source>
        <extracomment>the title of the frame holding the business&apos;s figures; the leading space keeps it off the frame&apos;s corner</extracomment>
        <translation> Programa de cría</translation>
    </message>
    <message>
        <source>Simulation stopped at t =</source>
        <extracomment>a result: the day (t) the simulated business stopped; its number follows</extracomment>
        <translation>Simulación detenida en t =</translation>
    </message>
    <message>
        <source>Final population size N(t):</source>
        <translation>Población final N(t):</translation>
    </message>
    <message>
        <source>Final capital (Z):</source>
        <extracomment>a result: the money the business has at its end, called Z</extracomment>
        <translation>Capital final (Z):</translation>
    </message>
    <message>
        <source>Net profit:</source>
        <translation>Beneficio neto:</translation>
    </message>
    <message>
        <source>Minimum living expense:</source>
        <extracomment>a result: what the student would have needed to live on over the same days</extracomment>
        <translation>Gasto mínimo para vivir:</translation>
    </message>
    <message>
        <source>Daily cost = N(i) * E + L * I</source>
        <extracomment>how the game counts a day&apos;s cost: N(i) the stock on day i, E the expense per individual, L the loan, I the interest rate</extracomment>
        <translation>Costo/día = N(i) * E + L * I</translation>
    </message>
    <message>
        <source>(E: rearing expense per individual)</source>
        <translation>(E: gasto de cría por individuo)</translation>
    </message>
    <message>
        <source>Daily profit = H * P</source>
        <extracomment>how the game counts a day&apos;s profit: H the harvest rate, P the price per harvested</extracomment>
        <translation>Ingreso/día = H * P</translation>
    </message>
    <message>
        <source>Net profit = A-Sum(Daily cost)+Sum(Daily profit)-L</source>
        <extracomment>how the game counts the net profit: A the initial capital, L the loan; &quot;Daily cost&quot; and &quot;Daily profit&quot; should read as in the two lines above</extracomment>
        <translation>Beneficio neto = A-Σ(Costo/día)+Σ(Ingreso/día)-L</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <extracomment>a verdict of the game: the business made some profit</extracomment>
        <translation>Ganas algo de dinero.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <extracomment>a verdict of the game: the business lost money</extracomment>
        <translation>Eres un perdedor.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt, you have to stay in jail.</source>
        <extracomment>a verdict of the game: the business ends deeper in debt than the student can pay</extracomment>
        <translation>No puedes pagar tu deuda, tienes que quedarte en la cárcel.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <extracomment>a verdict of the game: the business lost all its capital</extracomment>
        <translation>Vas a la quiebra.</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <extracomment>a verdict of the game: the business made a large profit</extracomment>
        <translation>Eres rico.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the instruction panel</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source> Examples </source>
        <extracomment>the title of the frame of example businesses; the spaces keep it off the frame&apos;s lines</extracomment>
        <translation> Ejemplos </translation>
    </message>
    <message>
        <source>Richmen</source>
        <extracomment>an example business that makes its owner rich</extracomment>
        <translation>Rico</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>example</comment>
        <extracomment>an example business that makes some money (an option button, not a confirmation)</extracomment>
        <translation>Bien</translation>
    </message>
    <message>
        <source>Loser</source>
        <extracomment>an example business that loses money</extracomment>
        <translation>Pierde</translation>
    </message>
    <message>
        <source>Broke</source>
        <extracomment>an example business that goes broke</extracomment>
        <translation>Ruina</translation>
    </message>
    <message>
        <source>Jail</source>
        <extracomment>an example business whose owner ends in jail for debt</extracomment>
        <translation>Preso</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>runs the game&apos;s simulation with the figures in the boxes</extracomment>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Random data</source>
        <extracomment>fills the boxes of the business with figures drawn at random</extracomment>
        <translation>Datos al azar</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>shows the game&apos;s instructions again</extracomment>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>closes the game and goes back to the program&apos;s main window</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>the name a screen reader gives the panel with the game&apos;s instructions and messages</extracomment>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Click RUN to try your strategy. If you change any default value, press ENTER to confirm change. 
You have to make more money than the minimum living expense in order to survive.
If you try RANDOM DATA, you have to fill all data of blue boxes, then press ENTER. 
Good luck!</source>
        <extracomment>the game&apos;s instructions, one paragraph per line; RUN and RANDOM DATA are the buttons &quot;Run&quot; and &quot;Random data&quot;, ENTER the key</extracomment>
        <translation>Haz clic en JUGAR para probar tu estrategia. Si cambias un valor, pulsa INTRO para confirmarlo. 
Para sobrevivir, debes ganar más que el gasto mínimo para vivir.
Con DATOS AL AZAR, rellena todas las casillas azules y pulsa INTRO. 
¡Buena suerte!</translation>
    </message>
    <message>
        <source>Drawn at random: fixed until the next run</source>
        <extracomment>the tooltip of a box &quot;Random data&quot; filled; it cannot be edited until &quot;Run&quot;</extracomment>
        <translation>Elegido al azar: fijo hasta la próxima simulación</translation>
    </message>
    <message>
        <source>Not run: how long in business (t) must be from 0 to %1 days.</source>
        <extracomment>a refusal of &quot;Run&quot;; %1 is the longest run in days</extracomment>
        <translation>No se ejecutó: el tiempo en el negocio (t) debe ser de 0 a %1 días.</translation>
    </message>
    <message>
        <source>Not run: the logistic model needs a carrying capacity (K) greater than 0.</source>
        <extracomment>a refusal of &quot;Run&quot;</extracomment>
        <translation>No se ejecutó: el modelo logístico necesita una capacidad de carga (K) mayor que 0.</translation>
    </message>
    <message>
        <source>The stock grew too large to count after day %1: the business stopped there.</source>
        <extracomment>%1 is the last day the simulation could count</extracomment>
        <translation>Las existencias crecieron demasiado para contarlas después del día %1: el negocio se detuvo ahí.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>a result as a screen reader tells it: %1 its name, such as &quot;Net profit:&quot;, %2 its number</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>a box &quot;Random data&quot; filled, as a screen reader tells it: %1 the box&apos;s name, such as &quot;Growth rate (r):&quot;, %2 the number drawn</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Drawn at random: %1. Now fill in the harvest rate, the loan and how long in business, and press Enter.</source>
        <extracomment>what a screen reader tells after &quot;Random data&quot;: %1 lists the boxes drawn and their numbers, separated by commas</extracomment>
        <translation>Elegido al azar: %1. Ahora rellena la tasa de cosecha, el préstamo y el tiempo en el negocio, y pulsa Intro.</translation>
    </message>
</context>
<context>
    <name>GameEntry</name>
    <message>
        <source>Initial population size N(0):</source>
        <translation>Población inicial N(0):</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Capacidad de carga (K):</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Tasa de crecimiento (r):</translation>
    </message>
    <message>
        <source>Expense per individual (E):</source>
        <translation>Gasto por individuo (E):</translation>
    </message>
    <message>
        <source>Initial capital (A):</source>
        <translation>Capital inicial (A):</translation>
    </message>
    <message>
        <source>Harvest rate per day (H):</source>
        <translation>Tasa de cosecha diaria (H):</translation>
    </message>
    <message>
        <source>Price per harvested (P):</source>
        <translation>Precio por cosechado (P):</translation>
    </message>
    <message>
        <source>Loan (L):</source>
        <translation>Préstamo (L):</translation>
    </message>
    <message>
        <source>Interest rate (I):</source>
        <translation>Tasa de interés (I):</translation>
    </message>
    <message>
        <source>How long in business (t):</source>
        <translation>Tiempo en el negocio (t):</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Tarnwick (Basic): handout of a run%1</source>
        <extracomment>the title of the handout&apos;s PDF file; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>Tarnwick (Basic): resumen de una simulación%1</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)</source>
        <extracomment>the program&apos;s name, as the PDF file names its creator</extracomment>
        <translation>Tarnwick (Basic)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>the footer of each page of the handout</extracomment>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Tarnwick (Basic): harvest theory, a run</source>
        <extracomment>the heading of the handout&apos;s first page</extracomment>
        <translation>Tarnwick (Basic): teoría de la cosecha, una simulación</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>the first line under the handout&apos;s heading; %1 is today&apos;s date</extracomment>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>Save handout</source>
        <extracomment>the caption of the file dialog that saves the handout</extracomment>
        <translation>Guardar resumen</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>a file type of the file dialog: the pattern in brackets stays as it is</extracomment>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Handout saved</source>
        <translation>Resumen guardado</translation>
    </message>
    <message>
        <source>Handout not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Resumen no guardado: no se puede escribir %1</translation>
    </message>
</context>
<context>
    <name>Howto</name>
    <message>
        <source>Howto</source>
        <extracomment>the caption of the window with the instructions: how to use the program</extracomment>
        <translation>Cómo usarlo</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the instructions</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on the graph to change graph.
Click on a parameter box to change the default value, then press Enter to confirm the change.
Click Large graph to see large graph with legends.
Click Game to play harvest game. (It tests your knowledge on harvesting theory.)
Click Print to print the screen. (If your printer is not connected to LPT1, you may encounter difficulty.)

Comments and suggestions are welcome.
Please send them by e-mail to tarnwick@example.org.</source>
        <extracomment>one instruction a line; Large graph, Game and Print are the main window&apos;s buttons, to be named as they are translated there</extracomment>
        <translation>Haz clic en el gráfico para cambiar de gráfico.
Haz clic en una casilla de parámetro para cambiar el valor predeterminado y pulsa Intro para confirmar el cambio.
Haz clic en Gráfico grande para ver el gráfico grande con leyendas.
Haz clic en Juego para jugar al juego de la cosecha. (Pone a prueba tus conocimientos de teoría de la cosecha.)
Haz clic en Impr. para imprimir la pantalla. (Si tu impresora no está conectada a LPT1, puedes tener dificultades.)

Se agradecen comentarios y sugerencias.
Envíalos por correo electrónico a tarnwick@example.org.</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <extracomment>the caption of the window with the introduction to harvest theory, and the name of the box that shows it</extracomment>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Understanding harvest to maintain and sustain a reasonable quality of human life.</source>
        <translation>Entender la cosecha para mantener y sostener una calidad de vida humana razonable.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the button that opens the list of references</extracomment>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the introduction</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Both the exponential growth and the Verhulst-Pearl logistic growth are the simplest forms of population growth model. The logistic growth assumes that the birth rate decreases as the density increases, while the death rate increases with the increase of density. It introduces the important concept of &quot;carrying capacity&quot; (K). Is the exponential growth more realistic? Or the logistic one? Most microorganisms will follow the exponential growth at the beginning. In the microbiological laboratory, the students carry out experiments to find out the exponential growth rate using  lnN(t)=lnN(0)+rt. If you plot the growth of a bacteria population, you will find that they don&apos;t follow the logistic model. Many decades ago, one of the first students of population growth already warned that a blind use of the logistic equation is meaningless. The harvest is an important topic in ecology. If a population follows the exponential growth and a constant number is harvested each time interval, then the growth can be described as dN/dt=rN-H, where r is the intrinsic growth rate and H is the harvest rate. With an initial population N(0), we can calculate the population growth under the influence of harvest. If r*N(0)-H&gt;0, the population will grow exponentially. If r*N(0)-H=0, the population size will remain N(0). If r*N(0)-H&lt;0, the population will decrease to zero under the influence of harvest. Therefore, the harvest rate H which satisfies r*N(0)-H&gt;=0 is dependent on r and N(0). For specific r, the maximal sustainable harvest rate is proportinal to N(0). The larger N(0) gives larger harvest rate. For the logistic growth, the growth under harvest can be described as dN/dt=rN(1-N/K)-H. If r*N(0)*(1-N(0)/K)-H&gt;0, the population will increase under the constant harvest rate H. If r*N(0)*(1-N(0)/K)-H=0, the population will remain constant. If r*N(0)*(1-N(0)/K)-H&lt;0, it will decrease. The harvest rate H which satisfies r*N(0)*(1-N(0)/K)-H&gt;=0 depends on r, N(0), and K. For given r and K, the maximal sustainable harvest rate is not linearly proportional to N(0). However, this is only the simple model. For more realistic model, you should learn the harvest theory based on the age-specific life table. You are welcome to try a companion program that teaches the harvest theory based on the life table. </source>
        <extracomment>the introduction, one paragraph; the formulas may stay as they are</extracomment>
        <translation>Tanto el crecimiento exponencial como el crecimiento logístico de Verhulst-Pearl son las formas más simples de modelo de crecimiento poblacional. El crecimiento logístico supone que la tasa de natalidad disminuye a medida que aumenta la densidad, mientras que la tasa de mortalidad aumenta con la densidad. Introduce el importante concepto de «capacidad de carga» (K). ¿Es más realista el crecimiento exponencial? ¿O el logístico? La mayoría de los microorganismos siguen al principio un crecimiento exponencial. En el laboratorio de microbiología, los estudiantes hacen experimentos para determinar la tasa de crecimiento exponencial usando  lnN(t)=lnN(0)+rt. Si representas el crecimiento de una población de bacterias, verás que no sigue el modelo logístico. Hace muchas décadas, uno de los primeros estudiosos del crecimiento de poblaciones ya advirtió que usar a ciegas la ecuación logística carece de sentido. La cosecha es un tema importante en ecología. Si una población sigue el crecimiento exponencial y en cada intervalo de tiempo se cosecha un número constante de individuos, el crecimiento puede describirse como dN/dt=rN-H, donde r es la tasa intrínseca de crecimiento y H es la tasa de cosecha. Con una población inicial N(0), podemos calcular el crecimiento de la población bajo el efecto de la cosecha. Si r*N(0)-H&gt;0, la población crecerá exponencialmente. Si r*N(0)-H=0, el tamaño de la población se mantendrá en N(0). Si r*N(0)-H&lt;0, la población disminuirá hasta cero por efecto de la cosecha. Por tanto, la tasa de cosecha H que cumple r*N(0)-H&gt;=0 depende de r y de N(0). Para un r dado, la tasa máxima de cosecha sostenible es proporcional a N(0). Un N(0) mayor permite una tasa de cosecha mayor. En el crecimiento logístico, el crecimiento con cosecha puede describirse como dN/dt=rN(1-N/K)-H. Si r*N(0)*(1-N(0)/K)-H&gt;0, la población aumentará con la tasa de cosecha constante H. Si r*N(0)*(1-N(0)/K)-H=0, la población se mantendrá constante. Si r*N(0)*(1-N(0)/K)-H&lt;0, disminuirá. La tasa de cosecha H que cumple r*N(0)*(1-N(0)/K)-H&gt;=0 depende de r, N(0) y K. Para r y K dados, la tasa máxima de cosecha sostenible no es linealmente proporcional a N(0). Sin embargo, este es solo el modelo simple. Para un modelo más realista, deberías estudiar la teoría de la cosecha basada en la tabla de vida por edades. Te invitamos a probar un programa complementario que enseña la teoría de la cosecha basada en la tabla de vida. </translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>is not UTF-8 text; save the file as UTF-8</source>
        <translation>no es texto UTF-8; guarda el archivo como UTF-8</translation>
    </message>
    <message>
        <source>holds control characters; a lesson file is plain text</source>
        <translation>contiene caracteres de control; un archivo de lección es texto plano</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 no es un número</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <translation>%1 es menor que 0</translation>
    </message>
    <message>
        <source>%1 is not above 0</source>
        <translation>%1 no es mayor que 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 1 to %2</source>
        <translation>%1 no es un número entero de 1 a %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a section line (no closing ])</source>
        <translation>%1 no es una línea de sección (falta el ] de cierre)</translation>
    </message>
    <message>
        <source>%1 is not a section this program reads ([lesson])</source>
        <translation>%1 no es una sección que este programa lea ([lesson])</translation>
    </message>
    <message>
        <source>a second [lesson] section</source>
        <translation>una segunda sección [lesson]</translation>
    </message>
    <message>
        <source>%1 is not a line of the form key = value</source>
        <translation>%1 no es una línea de la forma clave = valor</translation>
    </message>
    <message>
        <source>%1 is outside the [lesson] section</source>
        <translation>%1 está fuera de la sección [lesson]</translation>
    </message>
    <message>
        <source>no key before =</source>
        <translation>no hay clave antes de =</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece dos veces</translation>
    </message>
    <message>
        <source>version has no value</source>
        <translation>version no tiene valor</translation>
    </message>
    <message>
        <source>model = %1 is not logistic or exponential</source>
        <translation>model = %1 no es logistic ni exponential</translation>
    </message>
    <message>
        <source>the exponential model has no K, but line %1 gives one</source>
        <translation>el modelo exponencial no tiene K, pero la línea %1 da uno</translation>
    </message>
    <message>
        <source>unknown key %1; a lesson has version, model, n0, r, K, H, T</source>
        <translation>clave desconocida %1; una lección tiene version, model, n0, r, K, H, T</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 no tiene valor</translation>
    </message>
    <message>
        <source>%1, but the exponential model has no K</source>
        <translation>%1, pero el modelo exponencial no tiene K</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>version %1 is not one this program reads (%2)</source>
        <translation>la versión %1 no es una que este programa lea (%2)</translation>
    </message>
    <message>
        <source>no [lesson] section</source>
        <translation>no hay sección [lesson]</translation>
    </message>
    <message>
        <source>the [lesson] section has no version = 1</source>
        <translation>la sección [lesson] no tiene version = 1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>is a folder, not a lesson file</source>
        <translation>es una carpeta, no un archivo de lección</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>is larger than a lesson file can be (%1 KiB)</source>
        <translation>es más grande de lo que puede ser un archivo de lección (%1 KiB)</translation>
    </message>
</context>
<context>
    <name>ParameterEntry</name>
    <message>
        <source>N(0)</source>
        <translation>N(0)</translation>
    </message>
    <message>
        <source>r</source>
        <translation>r</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>the run length</source>
        <translation>la duración de la simulación</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>Impresión cancelada</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Impreso</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Error al imprimir</translation>
    </message>
</context>
<context>
    <name>Prophecy</name>
    <message>
        <source>Prophecy</source>
        <extracomment>the caption of the window with the proverb picture</extracomment>
        <translation>Profecía</translation>
    </message>
    <message>
        <source>Only when the last tree has been cut down, the last river poisoned and the last fish caught, will people find that money cannot be eaten.</source>
        <extracomment>the proverb the picture shows, read out for those who cannot see it</extracomment>
        <translation>Solo cuando se haya talado el último árbol, envenenado el último río y pescado el último pez, se dará cuenta la gente de que el dinero no se puede comer.</translation>
    </message>
    <message>
        <source>A dancer in a feathered costume beside the proverb, in a green border</source>
        <translation>Un bailarín con traje de plumas junto al proverbio, en un marco verde</translation>
    </message>
</context>
<context>
    <name>QtChartControl</name>
    <message>
        <source>Picture copied</source>
        <translation>Imagen copiada</translation>
    </message>
    <message>
        <source>Description copied</source>
        <translation>Descripción copiada</translation>
    </message>
    <message>
        <source>Picture saved</source>
        <translation>Imagen guardada</translation>
    </message>
    <message>
        <source>Picture not saved: %1 cannot be written</source>
        <translation>Imagen no guardada: no se puede escribir %1</translation>
    </message>
    <message>
        <source>Data saved</source>
        <translation>Datos guardados</translation>
    </message>
    <message>
        <source>Data not saved: %1 cannot be written</source>
        <translation>Datos no guardados: no se puede escribir %1</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagen</translation>
    </message>
    <message>
        <source>Copy description</source>
        <translation>Copiar descripción</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Guardar imagen…</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Guardar datos…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>Imagen PNG (*.png);;Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <translation>valores demasiado grandes para dibujar</translation>
    </message>
    <message>
        <source>nothing to draw</source>
        <translation>nada que dibujar</translation>
    </message>
    <message>
        <source>some values too large to draw</source>
        <translation>algunos valores demasiado grandes para dibujar</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <extracomment>the caption of the window with the quiz sheet</extracomment>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>Quiz: three questions on harvest theory</source>
        <translation>Cuestionario: tres preguntas sobre la teoría de la cosecha</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <extracomment>the button back to the main window</extracomment>
        <translation>Ir a la ventana principal</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2nd edition. Wiley, New York.</source>
        <translation>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2.ª edición. Wiley, Nueva York.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the caption of the window with the list of references, and the heading of the list</extracomment>
        <translation>Referencias</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the list of references</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Lewis, E. G. (1942). On the generation and growth of a population. Sankhyā 6: 93–96.</source>
        <translation>Lewis, E. G. (1942). On the generation and growth of a population. Sankhyā 6: 93–96.</translation>
    </message>
    <message>
        <source>Leslie, P. H. (1945). On the use of matrices in certain population mathematics. Biometrika 33: 183–212.</source>
        <translation>Leslie, P. H. (1945). On the use of matrices in certain population mathematics. Biometrika 33: 183–212.</translation>
    </message>
    <message>
        <source>Gordon, H. S. (1954). The economic theory of a common-property resource: the fishery. Journal of Political Economy 62: 124–142.</source>
        <translation>Gordon, H. S. (1954). The economic theory of a common-property resource: the fishery. Journal of Political Economy 62: 124–142.</translation>
    </message>
    <message>
        <source>Schaefer, M. B. (1954). Some aspects of the dynamics of populations important to the management of the commercial marine fisheries. Bulletin of the Inter-American Tropical Tuna Commission 1: 27–56.</source>
        <translation>Schaefer, M. B. (1954). Some aspects of the dynamics of populations important to the management of the commercial marine fisheries. Bulletin of the Inter-American Tropical Tuna Commission 1: 27–56.</translation>
    </message>
    <message>
        <source>Hardin, G. (1968). The tragedy of the commons. Science 162: 1243–1248.</source>
        <translation>Hardin, G. (1968). The tragedy of the commons. Science 162: 1243–1248.</translation>
    </message>
    <message>
        <source>May, R. M., Beddington, J. R., Clark, C. W., Holt, S. J. &amp; Laws, R. M. (1979). Management of multispecies fisheries. Science 205: 267–277.</source>
        <translation>May, R. M., Beddington, J. R., Clark, C. W., Holt, S. J. y Laws, R. M. (1979). Management of multispecies fisheries. Science 205: 267–277.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>%1; run for t = 1 to %2</source>
        <translation>%1; simulación de t = 1 a %2</translation>
    </message>
    <message>
        <source>One equilibrium, unstable, at N = H/r = %1.</source>
        <translation>Un único equilibrio, inestable, en N = H/r = %1.</translation>
    </message>
    <message>
        <source>No equilibrium: r = 0.</source>
        <translation>Sin equilibrio: r = 0.</translation>
    </message>
    <message>
        <source>No equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Sin equilibrio: H &gt; rK/4, la población cosechada se extingue.</translation>
    </message>
    <message>
        <source>Equilibria under the harvest: unstable at N = %1, stable at N = %2.</source>
        <translation>Equilibrios con la cosecha: inestable en N = %1, estable en N = %2.</translation>
    </message>
    <message>
        <source>Model: logistic growth, dN/dt = rN(1 - N/K) - H.</source>
        <translation>Modelo: crecimiento logístico, dN/dt = rN(1 - N/K) - H.</translation>
    </message>
    <message>
        <source>Model: exponential growth, dN/dt = rN - H.</source>
        <translation>Modelo: crecimiento exponencial, dN/dt = rN - H.</translation>
    </message>
    <message>
        <source>Parameters: %1.</source>
        <translation>Parámetros: %1.</translation>
    </message>
    <message>
        <source>Final population size without harvest: N(%1) = %2.</source>
        <translation>Tamaño final de la población sin cosecha: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Final population size with harvest: N(%1) = %2.</source>
        <translation>Tamaño final de la población con cosecha: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Maximum sustainable yield: rK/4 = %1, at N = K/2 = %2.</source>
        <translation>Rendimiento máximo sostenible: rK/4 = %1, en N = K/2 = %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: logistic model, %2.</source>
        <translation>Guardada para comparar, %1: modelo logístico, %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: exponential model, %2.</source>
        <translation>Guardada para comparar, %1: modelo exponencial, %2.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <extracomment>the caption of the last window, with the dedication</extracomment>
        <translation>Dedicatoria</translation>
    </message>
    <message>
        <source>Memorial portrait of a teacher</source>
        <translation>Retrato en memoria de un maestro</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <extracomment>the button of the dedication, a blessing for the late teacher; it ends the program</extracomment>
        <translation>Descanse en paz</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>read out on the button: %1 is the picture&apos;s name, %2 the dedication under it</extracomment>
        <translation>%1. %2</translation>
    </message>
</context>
<context>
    <name>copyrigh</name>
    <message>
        <source>Copyright</source>
        <extracomment>the caption of the window with the copyright notice and the citation</extracomment>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Retrato del autor</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that goes on quitting, to the dedication and the end</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to end this program</source>
        <translation>Haz clic aquí para terminar este programa</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)
A teaching program on harvest under exponential and logistic growth

Copyright © %1 Tarnwick (Basic) developers
Free to use and to copy for teaching and learning, as it is and without any warranty.</source>
        <extracomment>%1 is the year</extracomment>
        <translation>Tarnwick (Basic)
Un programa didáctico sobre la cosecha con crecimiento exponencial y logístico

Copyright © %1 desarrolladores de Tarnwick (Basic)
De uso y copia libres para la enseñanza y el aprendizaje, tal cual y sin ninguna garantía.</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</source>
        <extracomment>%1 is the year of the reference; the reference itself may stay in English</extracomment>
        <translation>Si usas este programa en tu investigación, cita la siguiente referencia en tu artículo:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</translation>
    </message>
    <message>
        <source>A new version can be obtained at tarnwick.example.org
(Tarnwick Teaching Project) or
library.example.org/tarnwick
(Example University Library).</source>
        <translation>Puedes obtener una nueva versión en tarnwick.example.org
(Tarnwick Teaching Project) o en
library.example.org/tarnwick
(Biblioteca de la Example University).</translation>
    </message>
</context>
<context>
    <name>larggraf</name>
    <message>
        <source>The change of N(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>Variación de N(t) con t %1</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>The change of dN(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Variación de dN(t) con t %1</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <extracomment>an axis title: the change dN of the population size at time t</extracomment>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>The change of dN(t)/dt with N(t) %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Variación de dN(t)/dt con N(t) %1</translation>
    </message>
    <message>
        <source>The change of N(t) (in logarithm) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Variación de N(t) (en logaritmo) con t %1</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <extracomment>an axis title: the natural logarithm of the population size N at time t</extracomment>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>N(t) and dN(t) at different t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>N(t) y dN(t) en distintos t %1</translation>
    </message>
    <message>
        <source>N(t) and dN(t)</source>
        <extracomment>an axis title: the population size N and its change dN at time t</extracomment>
        <translation>N(t) y dN(t)</translation>
    </message>
    <message>
        <source>dN/N vs. N</source>
        <extracomment>the chart of the change dN per individual against the population size N: a chart title, and a button&apos;s caption</extracomment>
        <translation>dN/N vs. N</translation>
    </message>
    <message>
        <source>dN/N</source>
        <extracomment>an axis title: the change dN of the population size per individual</extracomment>
        <translation>dN/N</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>an axis title: the population size N</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis (logistic model)</source>
        <translation>Gráfico para el análisis teórico (modelo logístico)</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis</source>
        <translation>Gráfico para el análisis teórico</translation>
    </message>
    <message>
        <source>dN</source>
        <extracomment>an axis title: the change dN of the population size</extracomment>
        <translation>dN</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis (exponential model)</source>
        <translation>Gráfico para el análisis teórico (modelo exponencial)</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio</source>
        <translation>Costo e ingresos con distintas razones precio-gasto (p/e)</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C y R</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio</source>
        <translation>Beneficio neto con distintas razones precio/gasto</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Beneficio</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio (exponential model)</source>
        <translation>Costo e ingresos con distintas razones precio-gasto (p/e) (modelo exponencial)</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio (exponential model)</source>
        <translation>Beneficio neto con distintas razones precio/gasto (modelo exponencial)</translation>
    </message>
    <message>
        <source>Large graph</source>
        <extracomment>the large graph window&apos;s caption</extracomment>
        <translation>Gráfico grande</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>the caption of the frame round the chart</extracomment>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>N vs. t</source>
        <extracomment>a button: the chart of the population size N against time t</extracomment>
        <translation>N vs. t</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <extracomment>a button: the chart of the change dN against time t</extracomment>
        <translation>dN vs. t</translation>
    </message>
    <message>
        <source>N, dN vs. t</source>
        <extracomment>a button: the chart of N and dN against time t</extracomment>
        <translation>N, dN vs. t</translation>
    </message>
    <message>
        <source>dN vs. N</source>
        <extracomment>a button: the chart of the change dN against the population size N</extracomment>
        <translation>dN vs. N</translation>
    </message>
    <message>
        <source>lnN vs. t</source>
        <extracomment>a button: the chart of the logarithm of N against time t</extracomment>
        <translation>lnN vs. t</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>a button: prints the window</extracomment>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>a button: back to the main window</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>a button: ends the program</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Large graph: %1</source>
        <extracomment>the large graph window&apos;s caption while it shows a short message (%1)</extracomment>
        <translation>Gráfico grande: %1</translation>
    </message>
</context>
<context>
    <name>titlform</name>
    <message>
        <source>Tarnwick (Basic)</source>
        <extracomment>the program&apos;s name, shown large on the title; keep it unless the program is known by another name in your language</extracomment>
        <translation>Tarnwick (Basic)</translation>
    </message>
    <message>
        <source>Press any key or click mouse to start.</source>
        <translation>Pulsa una tecla o haz clic para empezar.</translation>
    </message>
</context>
</TS>
