<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Erst wenn
der letzte Baum gerodet,
der letzte Fluss vergiftet
und der letzte Fisch
gefangen ist,
werden die Menschen merken,
dass man Geld
nicht essen kann.</translation>
    </message>
    <message>
        <source>In loving memory of our teacher</source>
        <translation>In liebevoller Erinnerung an unseren Lehrer</translation>
    </message>
    <message>
        <source>who taught us to harvest only what nature gives again</source>
        <translation>der uns lehrte, nur zu ernten, was die Natur wieder hergibt</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Harvest theory</source>
        <translation>Erntetheorie</translation>
    </message>
    <message>
        <source>What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory?</source>
        <translation>Welche Folgen hat es, eine Population zu züchten und von ihr zu ernten, ohne die Erntetheorie zu beachten?</translation>
    </message>
    <message>
        <source>To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why.</source>
        <translation>Solltest du für eine Kultur nützlicher Bakterien das exponentielle, das logistische oder ein anderes Modell nutzen? Begründe deine Antwort.</translation>
    </message>
    <message>
        <source>Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>Welche weiteren Faktoren außer Wachstumsrate und Kapazität sollte ein Modell für Massenzucht und Ernte berücksichtigen?</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <translation>Du bist reich.</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <translation>Du verdienst etwas Geld.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <translation>Du bist ein Verlierer.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <translation>Du bist pleite.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt,
you have to stay in jail.</source>
        <translation>Du kannst deine Schulden nicht zahlen,
du musst im Gefängnis bleiben.</translation>
    </message>
    <message>
        <source>1. What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory? 2. To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why. 3. Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>1. Welche Folgen hat es, eine Population zu züchten und von ihr zu ernten, ohne die Erntetheorie zu beachten? 2. Solltest du für eine Kultur nützlicher Bakterien das exponentielle, das logistische oder ein anderes Modell nutzen? Begründe deine Antwort. 3. Welche weiteren Faktoren außer Wachstumsrate und Kapazität sollte ein Modell für Massenzucht und Ernte berücksichtigen?</translation>
    </message>
    <message>
        <source>In loving memory of our teacher, who taught us to harvest only what nature gives again.</source>
        <translation>In liebevoller Erinnerung an unseren Lehrer, der uns lehrte, nur zu ernten, was die Natur wieder hergibt.</translation>
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
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>The %1 series is one point, %2 at %3 %4.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, where</comment>
        <translation>Die Reihe „%1“ ist ein einzelner Punkt: %2 bei %3 %4.</translation>
    </message>
    <message>
        <source>The %1 series stays at %2 from %3 %4 to %5.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, from where, to where</comment>
        <translation>Die Reihe „%1“ bleibt von %3 %4 bis %5 konstant bei %2.</translation>
    </message>
    <message>
        <source>The %1 series stands at %2 %3, from %4 to %5.</source>
        <comment>series name, the horizontal axis&apos;s title, where, first value, last value</comment>
        <translation>Die Reihe „%1“ steht bei %2 %3 und reicht von %4 bis %5.</translation>
    </message>
    <message>
        <source>The %1 series runs from %2 at %3 %4 to %5 at %3 %6; lowest %7, highest %8.</source>
        <comment>series name, first value, the horizontal axis&apos;s title, where, last value, where, lowest value, highest value</comment>
        <translation>Die Reihe „%1“ verläuft von %2 bei %3 %4 bis %5 bei %3 %6; niedrigster Wert %7, höchster Wert %8.</translation>
    </message>
    <message>
        <source>Nothing is drawn.</source>
        <translation>Es ist nichts gezeichnet.</translation>
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
        <translation>Einige Werte sind zu groß zum Zeichnen und wurden weggelassen.</translation>
    </message>
    <message>
        <source>%1 at N = %2 %3</source>
        <comment>the highest value, the population size there, and which curve (&quot;1012 at N = 220 for p/e=50&quot;)</comment>
        <translation>%1 bei N = %2 %3</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>what is listed, then the list</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two items of a list read aloud: &quot;a, b and c&quot;</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Left and Right read the points of a series, Home and End its ends, Page Up and Page Down ten points forward or back; Up and Down go to the next or the previous series; Escape ends the reading. Enter or a click shows the next chart; the menu key or a right click copies or saves it.</source>
        <translation>Die Pfeiltasten Links und Rechts lesen die Punkte einer Reihe vor, Pos1 und Ende ihre Enden, Bild auf und Bild ab springen zehn Punkte vor oder zurück; Auf und Ab wechseln zur nächsten oder vorigen Reihe; Esc beendet das Vorlesen. Die Eingabetaste oder ein Klick zeigt das nächste Diagramm; die Menütaste oder ein Rechtsklick kopiert oder speichert es.</translation>
    </message>
    <message>
        <source>yes</source>
        <comment>Does a word that begins a title or a note lose its capital inside a sentence, as English &quot;Time&quot; in &quot;at time 65&quot;? Answer yes or no.</comment>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>Charts</name>
    <message>
        <source>original</source>
        <translation>ohne Ernte</translation>
    </message>
    <message>
        <source>harvested</source>
        <translation>mit Ernte</translation>
    </message>
    <message>
        <source>harvest rate</source>
        <translation>Ernterate</translation>
    </message>
    <message>
        <source>N(t) (harvested)</source>
        <translation>N(t) (mit Ernte)</translation>
    </message>
    <message>
        <source>dN(t) (harvested)</source>
        <translation>dN(t) (mit Ernte)</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instabil</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stabil</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Kept, %1: %2</source>
        <comment>a note on a kept run: what tells it from this run (&quot;H = 20&quot;), then the note</comment>
        <translation>Vergleichslauf %1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a kept run&apos;s curve: the series, then what tells the run from this one (&quot;harvested, H = 20&quot;)</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This run is kept already</source>
        <translation>Dieser Lauf ist bereits festgehalten</translation>
    </message>
    <message>
        <source>Run kept to compare (%1 of %2)</source>
        <translation>Lauf zum Vergleich festgehalten (%1 von %2)</translation>
    </message>
    <message>
        <source>Kept runs forgotten</source>
        <translation>Festgehaltene Läufe verworfen</translation>
    </message>
    <message>
        <source>needs a run of the logistic model</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>erfordert einen Lauf des logistischen Modells</translation>
    </message>
    <message>
        <source>not defined unless K &gt; 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>nur für K &gt; 0 definiert</translation>
    </message>
    <message>
        <source>The harvested population dies out at time %1.</source>
        <translation>Die beerntete Population stirbt zum Zeitpunkt %1 aus.</translation>
    </message>
    <message>
        <source>The curves are not drawn: %1.</source>
        <translation>Die Kurven werden nicht gezeichnet: %1.</translation>
    </message>
    <message>
        <source>The original population follows the exact solution of the model, the harvested one is computed step by step, so with H = 0 the two differ slightly.</source>
        <translation>Die ursprüngliche Population folgt der exakten Lösung des Modells, die beerntete wird Schritt für Schritt berechnet; daher unterscheiden sich die beiden bei H = 0 geringfügig.</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>Werte zu groß zum Zeichnen</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0.</source>
        <translation>Ernterate %1; kein Gleichgewicht, r = 0.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Ernterate %1; kein Gleichgewicht: H &gt; rK/4, die beerntete Population stirbt aus.</translation>
    </message>
    <message>
        <source>Harvest rate %1; the two equilibria meet at N = %2: a smaller population dies out.</source>
        <translation>Ernterate %1; die beiden Gleichgewichte fallen bei N = %2 zusammen: eine kleinere Population stirbt aus.</translation>
    </message>
    <message>
        <source>Harvest rate %1; unstable equilibrium at N = %2, stable at N = %3.</source>
        <translation>Ernterate %1; instabiles Gleichgewicht bei N = %2, stabiles bei N = %3.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0: the harvested population dies out.</source>
        <translation>Ernterate %1; kein Gleichgewicht, r = 0: die beerntete Population stirbt aus.</translation>
    </message>
    <message>
        <source>Harvest rate %1; one equilibrium, unstable, at N = %2: a larger population grows, a smaller one dies out.</source>
        <translation>Ernterate %1; ein Gleichgewicht, instabil, bei N = %2: eine größere Population wächst, eine kleinere stirbt aus.</translation>
    </message>
    <message>
        <source>no equilibrium, r = 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>kein Gleichgewicht, r = 0</translation>
    </message>
    <message>
        <source>no equilibrium, H &gt; rK/4</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>kein Gleichgewicht, H &gt; rK/4</translation>
    </message>
    <message>
        <source>The largest harvest with an equilibrium, the maximum sustainable yield, is rK/4 = %1, reached at N = K/2 = %2; with H above it there is no equilibrium.</source>
        <translation>Die größte Ernte, bei der es ein Gleichgewicht gibt, der maximale nachhaltige Ertrag, ist rK/4 = %1 und wird bei N = K/2 = %2 erreicht; liegt H darüber, gibt es kein Gleichgewicht.</translation>
    </message>
    <message>
        <source>the maximum sustainable yield, rK/4 = %1</source>
        <comment>said of the point at the top of the growth curve</comment>
        <translation>der maximale nachhaltige Ertrag, rK/4 = %1</translation>
    </message>
    <message>
        <source>%1 at N = %2</source>
        <comment>a revenue curve and where it crosses the cost (&quot;R (p/e=50) at N = 466.7&quot;)</comment>
        <translation>%1 bei N = %2</translation>
    </message>
    <message>
        <source>Revenue crosses the cost: %1.</source>
        <translation>Der Erlös schneidet die Kosten: %1.</translation>
    </message>
    <message>
        <source>%1 never rises above the cost.</source>
        <comment>one revenue curve</comment>
        <translation>%1 steigt nie über die Kosten.</translation>
    </message>
    <message>
        <source>%1 never rise above the cost.</source>
        <comment>a list of revenue curves</comment>
        <translation>%1 steigen nie über die Kosten.</translation>
    </message>
    <message>
        <source>for p/e=%1</source>
        <translation>für p/e=%1</translation>
    </message>
    <message>
        <source>Highest net profit</source>
        <translation>Höchster Nettogewinn</translation>
    </message>
    <message>
        <source>Keep this run for comparison</source>
        <translation>Lauf zum Vergleich festhalten</translation>
    </message>
    <message>
        <source>K keeps this run for comparison.</source>
        <translation>K hält diesen Lauf zum Vergleich fest.</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Festgehaltene Läufe verwerfen</translation>
    </message>
    <message>
        <source>Save handout…</source>
        <translation>Handout speichern…</translation>
    </message>
    <message>
        <source>Ctrl+H saves a handout of the run.</source>
        <translation>Strg+H speichert ein Handout des Laufs.</translation>
    </message>
    <message>
        <source>Print chart…</source>
        <translation>Diagramm drucken…</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unbekanntes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>two lesson files, &apos;%1&apos; and &apos;%2&apos;; give one</source>
        <translation>zwei Lektionsdateien, &apos;%1&apos; und &apos;%2&apos;; gib nur eine an</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1: the model is logistic or exponential</source>
        <translation>%1: das Modell ist logistic oder exponential</translation>
    </message>
    <message>
        <source>%1: the seed is a whole number from 0 to %2</source>
        <translation>%1: der Startwert ist eine ganze Zahl von 0 bis %2</translation>
    </message>
    <message>
        <source>%1: the languages are %2</source>
        <translation>%1: die Sprachen sind %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 ist keine Zahl</translation>
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
        <translation>Tarnwick (Basic): ein Lehrprogramm zur Erntetheorie in der Populationsökologie.
Ohne Argumente gestartet, öffnet es seine Fenster; dort geschieht alles.
Eine Lektionsdatei oder die Optionen unten starten es mit Modell und Werten
einer Lehrkraft, als hätte ein Student jeden Wert in sein Feld im Hauptfenster
getippt und die Eingabetaste gedrückt; Korrekturen der Felder stehen auf stderr.

      --model M  das Modell: logistic oder exponential
      --n0 N     die Anfangsgröße der Population N(0)
      --r R      die intrinsische Wachstumsrate r
      --k K      die Kapazität K (nur logistisches Modell)
      --h H      die Ernte H pro Zeitintervall
      --t T      die Laufzeit
      --seed S   die zufälligen Geschäfte des Spiels, gleich bei jedem Start und
                 auf jedem Rechner (eine ganze Zahl von 0 bis 4294967295)
      --lang L   die Sprache, statt der des Desktops: %1
  -h, --help     diese Hilfe anzeigen und beenden
      --version  die Version anzeigen und beenden

Jede Option geht auch als --option=wert; der Wert einer Option hat Vorrang vor
dem der Lektionsdatei. Eine Lektionsdatei (*.tarnwick) entsteht mit Lektion
speichern... (Strg+S) im Hauptfenster oder von Hand: siehe man tarnwick.

Ohne Bildschirm in einem virtuellen Display starten: xvfb-run tarnwick
</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>%1; see tarnwick --help</source>
        <translation>%1; siehe tarnwick --help</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Basic Tarnwick Theory</source>
        <extracomment>the main window&apos;s caption</extracomment>
        <translation>Tarnwick-Theorie: Grundlagen</translation>
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
Institut für Populationsökologie
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
        <translation>Drücke die Eingabetaste oder klicke auf START, um die Simulation zu beginnen.  
Klicke auf die Grafik, um die Grafik zu wechseln.
Wenn du die Vorgabewerte änderst, bestätige die Änderung mit der Eingabetaste.  
Kommentare und Vorschläge bitte per E-Mail an tarnwick@example.org.</translation>
    </message>
    <message>
        <source>Save lesson…</source>
        <extracomment>a command of the chart&apos;s menu: saves the model and the parameters to a lesson file</extracomment>
        <translation>Lektion speichern…</translation>
    </message>
    <message>
        <source>Ctrl+S saves the model and the parameters as a lesson.</source>
        <translation>Strg+S speichert das Modell und die Parameter als Lektion.</translation>
    </message>
    <message>
        <source>Open lesson…</source>
        <extracomment>a command of the chart&apos;s menu: opens a lesson file</extracomment>
        <translation>Lektion öffnen…</translation>
    </message>
    <message>
        <source>Ctrl+O opens a lesson.</source>
        <translation>Strg+O öffnet eine Lektion.</translation>
    </message>
    <message>
        <source>No run yet: nothing to hand out</source>
        <translation>Noch kein Lauf: nichts für ein Handout</translation>
    </message>
    <message>
        <source>%1: left out, the exponential model has none</source>
        <extracomment>a lesson&apos;s value for a box the exponential model locks; %1 names the box&apos;s quantity (&quot;K&quot;)</extracomment>
        <translation>%1: ausgelassen, das exponentielle Modell hat keinen solchen Wert</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <extracomment>a lesson&apos;s value that Enter corrected: &quot;K: 0 became 500&quot;; %1 names the box&apos;s quantity, %2 is the lesson&apos;s value, %3 the value in the box now</extracomment>
        <translation>%1: aus %2 wurde %3</translation>
    </message>
    <message>
        <source>Lesson not saved: %1</source>
        <extracomment>%1 says why the lesson could not be saved</extracomment>
        <translation>Lektion nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Tarnwick lesson (*.tarnwick)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Tarnwick-Lektion (*.tarnwick)</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <extracomment>the caption of the file dialog that saves a lesson</extracomment>
        <translation>Lektion speichern</translation>
    </message>
    <message>
        <source>Lesson saved</source>
        <translation>Lektion gespeichert</translation>
    </message>
    <message>
        <source>Lesson not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Lektion nicht gespeichert: %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <extracomment>the caption of the file dialog that opens a lesson</extracomment>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Lesson opened: %1</source>
        <extracomment>%1 is the name of the lesson file</extracomment>
        <translation>Lektion geöffnet: %1</translation>
    </message>
    <message>
        <source>Population size :</source>
        <extracomment>the caption of the result field before a run: the final population size without harvest</extracomment>
        <translation>Populationsgröße:</translation>
    </message>
    <message>
        <source>Up and Down change %1 by %2, Page Up and Page Down by %3</source>
        <extracomment>the tooltip of a parameter box; %1 is what the box holds (&quot;H&quot;, &quot;the run length&quot;), %2 one step, %3 ten steps</extracomment>
        <translation>Pfeil auf und ab ändern %1 um %2, Bild auf und Bild ab um %3</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)</source>
        <extracomment>the program&apos;s name, the title of the main window</extracomment>
        <translation>Tarnwick (Basic)</translation>
    </message>
    <message>
        <source>Basis</source>
        <extracomment>the caption of the frame where the student chooses the model</extracomment>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Exponential growth: dN/dt=rN-H</source>
        <extracomment>a model option; the formula may stay as it is</extracomment>
        <translation>Exponentiell: dN/dt=rN-H</translation>
    </message>
    <message>
        <source>Logistic growth: dN/dt=rN(1-N/K)-H</source>
        <extracomment>a model option; the formula may stay as it is</extracomment>
        <translation>Logistisch: dN/dt=rN(1-N/K)-H</translation>
    </message>
    <message>
        <source>r: growth rate, K: carrying capacity</source>
        <extracomment>the symbols of the model options: r and K stay as they are</extracomment>
        <translation>r: Wachstumsrate, K: Kapazität</translation>
    </message>
    <message>
        <source>H: harvest rate per time interval</source>
        <extracomment>the symbol of the model options: H stays as it is</extracomment>
        <translation>H: Ernterate pro Zeitintervall</translation>
    </message>
    <message>
        <source>More ...</source>
        <extracomment>the button that opens the introduction to the theory</extracomment>
        <translation>Mehr ...</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>the button that opens the harvest game</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Play game</source>
        <translation>Erntespiel spielen</translation>
    </message>
    <message>
        <source>Quiz</source>
        <extracomment>the tooltip of the picture button that opens the quiz</extracomment>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Parameters and data</source>
        <translation>Parameter und Daten</translation>
    </message>
    <message>
        <source>Intrinsic rate (r):</source>
        <extracomment>the label of the box of the growth rate r</extracomment>
        <translation>Intrinsische Rate (r):</translation>
    </message>
    <message>
        <source>Initial population size N(0):</source>
        <translation>Anfangspopulation N(0):</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Kapazität (K):</translation>
    </message>
    <message>
        <source>Harvest rate/time interval:</source>
        <extracomment>the label of the box of the harvest rate H</extracomment>
        <translation>Ernterate/Zeitintervall:</translation>
    </message>
    <message>
        <source>Run for t = 1 to t =</source>
        <extracomment>the label of the box of the run length: the last time step t the model runs to</extracomment>
        <translation>Lauf von t = 1 bis t =</translation>
    </message>
    <message>
        <source>Final population size (harvested):</source>
        <translation>Endpopulation (mit Ernte):</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>the caption of the frame round the chart</extracomment>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Bonjour!</source>
        <extracomment>the greeting over the chart before the first run, in French in the English program: keep it or greet in your language</extracomment>
        <translation>Bonjour!</translation>
    </message>
    <message>
        <source>RUN</source>
        <extracomment>the button that runs the model (the instructions call it RUN too)</extracomment>
        <translation>START</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Simulation starten</translation>
    </message>
    <message>
        <source>Large graph</source>
        <extracomment>the button that opens the large graph window</extracomment>
        <translation>Große Grafik</translation>
    </message>
    <message>
        <source>Show more detail in large graph</source>
        <translation>Mehr Details in der großen Grafik zeigen</translation>
    </message>
    <message>
        <source>N, dN vs. t</source>
        <extracomment>the button that shows the chart of N and dN against time t</extracomment>
        <translation>N, dN vs. t</translation>
    </message>
    <message>
        <source> Print</source>
        <extracomment>the button that prints the window (the space before it belongs to the caption)</extracomment>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Dieses Fenster drucken</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>the button that ends the program</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>the caption of the frame round the author&apos;s portrait and address</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>the tooltip of the portrait, which opens the instructions: how to use the program</extracomment>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Final population size (without harvest)</source>
        <translation>Endgröße der Population (ohne Ernte)</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Porträt des Autors</translation>
    </message>
    <message>
        <source>Not run: t is not a whole number from 1 to %1</source>
        <extracomment>why RUN did not run; t is the run length, %1 the longest run</extracomment>
        <translation>Nicht gestartet: t ist keine ganze Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>Enter a run length from 1 to %1</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run</extracomment>
        <translation>Gib eine Laufzeit von 1 bis %1 ein</translation>
    </message>
    <message>
        <source>Not run: N(0) is negative</source>
        <extracomment>why RUN did not run: the initial population size N(0) is below 0</extracomment>
        <translation>Nicht gestartet: N(0) ist negativ</translation>
    </message>
    <message>
        <source>Enter N(0) of 0 or more</source>
        <translation>Gib für N(0) 0 oder mehr ein</translation>
    </message>
    <message>
        <source>Not run: r is negative</source>
        <extracomment>why RUN did not run: the growth rate r is below 0</extracomment>
        <translation>Nicht gestartet: r ist negativ</translation>
    </message>
    <message>
        <source>Enter r of 0 or more</source>
        <translation>Gib für r 0 oder mehr ein</translation>
    </message>
    <message>
        <source>Not run: H is negative</source>
        <extracomment>why RUN did not run: the harvest rate H is below 0</extracomment>
        <translation>Nicht gestartet: H ist negativ</translation>
    </message>
    <message>
        <source>Enter H of 0 or more</source>
        <translation>Gib für H 0 oder mehr ein</translation>
    </message>
    <message>
        <source>Not run: K is not above 0</source>
        <extracomment>why RUN did not run: the carrying capacity K is 0 or below</extracomment>
        <translation>Nicht gestartet: K ist nicht größer als 0</translation>
    </message>
    <message>
        <source>Enter K greater than 0</source>
        <translation>Gib für K einen Wert größer als 0 ein</translation>
    </message>
    <message>
        <source>Not run: N(t) grows too large</source>
        <extracomment>why RUN did not run: the population N(t) grows past what can be computed</extracomment>
        <translation>Nicht gestartet: N(t) wird zu groß</translation>
    </message>
    <message>
        <source>Run for t = 1 to %1 at most</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run that can be computed</extracomment>
        <translation>Lauf höchstens von t = 1 bis %1</translation>
    </message>
    <message>
        <source>Use a smaller N(0) or r</source>
        <extracomment>what to change so that RUN runs: the initial population size N(0) or the growth rate r</extracomment>
        <translation>Wähle ein kleineres N(0) oder r</translation>
    </message>
    <message>
        <source>Without harvest, N(%1)=</source>
        <extracomment>the caption of the final population size without harvest; %1 is the last time step t: &quot;Without harvest, N(65)=&quot;</extracomment>
        <translation>Ohne Ernte, N(%1)=</translation>
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
        <translation>Was zu ändern ist:</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <extracomment>what a screen reader says after a step of a box: %1 names the box&apos;s quantity (&quot;H&quot;, &quot;The run length&quot;), %2 is its new value, %3 the results of the run</extracomment>
        <translation>%1 %2. %3</translation>
    </message>
    <message>
        <source>N(t) vs. time</source>
        <translation>N(t) gegen Zeit</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>dN(t) vs. time</source>
        <translation>dN(t) gegen Zeit</translation>
    </message>
    <message>
        <source>dN</source>
        <extracomment>an axis title: the change dN of the population size in a time step</extracomment>
        <translation>dN</translation>
    </message>
    <message>
        <source>dN vs. N</source>
        <translation>dN gegen N</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>an axis title: the population size N</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>lnN(t) vs. time</source>
        <translation>lnN(t) gegen Zeit</translation>
    </message>
    <message>
        <source>lnN</source>
        <extracomment>an axis title: the natural logarithm of the population size N</extracomment>
        <translation>lnN</translation>
    </message>
    <message>
        <source>N and dN(t) vs. time</source>
        <translation>N und dN(t) gegen Zeit</translation>
    </message>
    <message>
        <source>N and dN</source>
        <extracomment>an axis title: the population size N and its change dN</extracomment>
        <translation>N und dN</translation>
    </message>
    <message>
        <source>dN/N vs. N</source>
        <translation>dN/N gegen N</translation>
    </message>
    <message>
        <source>dN/N</source>
        <extracomment>an axis title: the change dN of the population size per individual</extracomment>
        <translation>dN/N</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N (logistic model)</source>
        <translation>Theoretisches dN gegen N (logistisches Modell)</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N</source>
        <translation>Theoretisches dN gegen N</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N (exponential model)</source>
        <translation>Theoretisches dN gegen N (exponentielles Modell)</translation>
    </message>
    <message>
        <source>Cost and Revenue vs. N</source>
        <translation>Kosten und Erlös gegen N</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C und R</translation>
    </message>
    <message>
        <source>Net profit vs. N (p/e = 50, 20, 10, 5)</source>
        <extracomment>a chart title; p/e is the ratio of the price of the harvest to its expense</extracomment>
        <translation>Nettogewinn gegen N (p/e = 50, 20, 10, 5)</translation>
    </message>
    <message>
        <source>Net profit vs. N</source>
        <translation>Nettogewinn gegen N</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Cost and Revenue vs. N (exponential model)</source>
        <translation>Kosten und Erlös gegen N (exponentielles Modell)</translation>
    </message>
    <message>
        <source>Net profit vs. N (exponential model)</source>
        <translation>Nettogewinn gegen N (exponentielles Modell)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game</source>
        <extracomment>the caption of the harvest game&apos;s window</extracomment>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Can you make profit from a mass rearing program?</source>
        <translation>Kannst du mit einer Massenzucht Gewinn machen?</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>the title of the frame where the student chooses the growth model</extracomment>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Exponential growth:  dN/dt = r N - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (N population, r growth rate, H harvest rate)</extracomment>
        <translation>Exponentiell:  dN/dt = r N - H</translation>
    </message>
    <message>
        <source>Logistic growth:  dN/dt = r N (1-N/K) - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (K carrying capacity)</extracomment>
        <translation>Logistisch:  dN/dt = r N (1-N/K) - H</translation>
    </message>
    <message>
        <source> Rearing program</source>
        <extracomment>the title of the frame holding the business&apos;s figures; the leading space keeps it off the frame&apos;s corner</extracomment>
        <translation> Zuchtprogramm</translation>
    </message>
    <message>
        <source>Simulation stopped at t =</source>
        <extracomment>a result: the day (t) the simulated business stopped; its number follows</extracomment>
        <translation>Simulation beendet bei t =</translation>
    </message>
    <message>
        <source>Final population size N(t):</source>
        <translation>Endpopulation N(t):</translation>
    </message>
    <message>
        <source>Final capital (Z):</source>
        <extracomment>a result: the money the business has at its end, called Z</extracomment>
        <translation>Endkapital (Z):</translation>
    </message>
    <message>
        <source>Net profit:</source>
        <translation>Nettogewinn:</translation>
    </message>
    <message>
        <source>Minimum living expense:</source>
        <extracomment>a result: what the student would have needed to live on over the same days</extracomment>
        <translation>Existenzminimum:</translation>
    </message>
    <message>
        <source>Daily cost = N(i) * E + L * I</source>
        <extracomment>how the game counts a day&apos;s cost: N(i) the stock on day i, E the expense per individual, L the loan, I the interest rate</extracomment>
        <translation>Tageskosten = N(i) * E + L * I</translation>
    </message>
    <message>
        <source>(E: rearing expense per individual)</source>
        <translation>(E: Zuchtkosten pro Individuum)</translation>
    </message>
    <message>
        <source>Daily profit = H * P</source>
        <extracomment>how the game counts a day&apos;s profit: H the harvest rate, P the price per harvested</extracomment>
        <translation>Tagesgewinn = H * P</translation>
    </message>
    <message>
        <source>Net profit = A-Sum(Daily cost)+Sum(Daily profit)-L</source>
        <extracomment>how the game counts the net profit: A the initial capital, L the loan; &quot;Daily cost&quot; and &quot;Daily profit&quot; should read as in the two lines above</extracomment>
        <translation>Nettogewinn = A-Σ(Tageskosten)+Σ(Tagesgewinn)-L</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <extracomment>a verdict of the game: the business made some profit</extracomment>
        <translation>Du verdienst etwas Geld.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <extracomment>a verdict of the game: the business lost money</extracomment>
        <translation>Du bist ein Verlierer.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt, you have to stay in jail.</source>
        <extracomment>a verdict of the game: the business ends deeper in debt than the student can pay</extracomment>
        <translation>Du kannst deine Schulden nicht zahlen, du musst im Gefängnis bleiben.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <extracomment>a verdict of the game: the business lost all its capital</extracomment>
        <translation>Du bist pleite.</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <extracomment>a verdict of the game: the business made a large profit</extracomment>
        <translation>Du bist reich.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the instruction panel</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source> Examples </source>
        <extracomment>the title of the frame of example businesses; the spaces keep it off the frame&apos;s lines</extracomment>
        <translation> Beispiele </translation>
    </message>
    <message>
        <source>Richmen</source>
        <extracomment>an example business that makes its owner rich</extracomment>
        <translation>Reich</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>example</comment>
        <extracomment>an example business that makes some money (an option button, not a confirmation)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Loser</source>
        <extracomment>an example business that loses money</extracomment>
        <translation>Verlust</translation>
    </message>
    <message>
        <source>Broke</source>
        <extracomment>an example business that goes broke</extracomment>
        <translation>Pleite</translation>
    </message>
    <message>
        <source>Jail</source>
        <extracomment>an example business whose owner ends in jail for debt</extracomment>
        <translation>Haft</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>runs the game&apos;s simulation with the figures in the boxes</extracomment>
        <translation>Start</translation>
    </message>
    <message>
        <source>Random data</source>
        <extracomment>fills the boxes of the business with figures drawn at random</extracomment>
        <translation>Zufallsdaten</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>shows the game&apos;s instructions again</extracomment>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>closes the game and goes back to the program&apos;s main window</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>the name a screen reader gives the panel with the game&apos;s instructions and messages</extracomment>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Click RUN to try your strategy. If you change any default value, press ENTER to confirm change. 
You have to make more money than the minimum living expense in order to survive.
If you try RANDOM DATA, you have to fill all data of blue boxes, then press ENTER. 
Good luck!</source>
        <extracomment>the game&apos;s instructions, one paragraph per line; RUN and RANDOM DATA are the buttons &quot;Run&quot; and &quot;Random data&quot;, ENTER the key</extracomment>
        <translation>Klicke auf START, um deine Strategie zu testen. Bestätige geänderte Vorgabewerte mit der EINGABETASTE. 
Du musst mehr verdienen als das Existenzminimum, um zu überleben.
Bei ZUFALLSDATEN fülle alle blauen Felder aus und drücke dann die EINGABETASTE. 
Viel Glück!</translation>
    </message>
    <message>
        <source>Drawn at random: fixed until the next run</source>
        <extracomment>the tooltip of a box &quot;Random data&quot; filled; it cannot be edited until &quot;Run&quot;</extracomment>
        <translation>Zufällig gezogen: fest bis zum nächsten Start</translation>
    </message>
    <message>
        <source>Not run: how long in business (t) must be from 0 to %1 days.</source>
        <extracomment>a refusal of &quot;Run&quot;; %1 is the longest run in days</extracomment>
        <translation>Nicht gestartet: die Geschäftsdauer (t) muss zwischen 0 und %1 Tagen liegen.</translation>
    </message>
    <message>
        <source>Not run: the logistic model needs a carrying capacity (K) greater than 0.</source>
        <extracomment>a refusal of &quot;Run&quot;</extracomment>
        <translation>Nicht gestartet: das logistische Modell braucht eine Kapazität (K) größer als 0.</translation>
    </message>
    <message>
        <source>The stock grew too large to count after day %1: the business stopped there.</source>
        <extracomment>%1 is the last day the simulation could count</extracomment>
        <translation>Der Bestand wurde nach Tag %1 zu groß zum Zählen: das Geschäft endete dort.</translation>
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
        <translation>Zufällig gezogen: %1. Gib jetzt die Ernterate, den Kredit und die Geschäftsdauer ein und drücke die Eingabetaste.</translation>
    </message>
</context>
<context>
    <name>GameEntry</name>
    <message>
        <source>Initial population size N(0):</source>
        <translation>Anfangspopulation N(0):</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Kapazität (K):</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Wachstumsrate (r):</translation>
    </message>
    <message>
        <source>Expense per individual (E):</source>
        <translation>Kosten pro Individuum (E):</translation>
    </message>
    <message>
        <source>Initial capital (A):</source>
        <translation>Startkapital (A):</translation>
    </message>
    <message>
        <source>Harvest rate per day (H):</source>
        <translation>Ernterate pro Tag (H):</translation>
    </message>
    <message>
        <source>Price per harvested (P):</source>
        <translation>Preis pro Stück (P):</translation>
    </message>
    <message>
        <source>Loan (L):</source>
        <translation>Kredit (L):</translation>
    </message>
    <message>
        <source>Interest rate (I):</source>
        <translation>Zinssatz (I):</translation>
    </message>
    <message>
        <source>How long in business (t):</source>
        <translation>Geschäftsdauer (t):</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Tarnwick (Basic): handout of a run%1</source>
        <extracomment>the title of the handout&apos;s PDF file; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>Tarnwick (Basic): Handout eines Laufs%1</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)</source>
        <extracomment>the program&apos;s name, as the PDF file names its creator</extracomment>
        <translation>Tarnwick (Basic)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>the footer of each page of the handout</extracomment>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>Tarnwick (Basic): harvest theory, a run</source>
        <extracomment>the heading of the handout&apos;s first page</extracomment>
        <translation>Tarnwick (Basic): Erntetheorie, ein Lauf</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>the first line under the handout&apos;s heading; %1 is today&apos;s date</extracomment>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>Save handout</source>
        <extracomment>the caption of the file dialog that saves the handout</extracomment>
        <translation>Handout speichern</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>a file type of the file dialog: the pattern in brackets stays as it is</extracomment>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Handout saved</source>
        <translation>Handout gespeichert</translation>
    </message>
    <message>
        <source>Handout not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Handout nicht gespeichert: %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Howto</name>
    <message>
        <source>Howto</source>
        <extracomment>the caption of the window with the instructions: how to use the program</extracomment>
        <translation>Anleitung</translation>
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
        <translation>Klicke auf die Grafik, um die Grafik zu wechseln.
Klicke auf ein Parameterfeld, um den Vorgabewert zu ändern, und bestätige die Änderung dann mit der Eingabetaste.
Klicke auf Große Grafik, um eine große Grafik mit Legenden zu sehen.
Klicke auf Spiel, um das Erntespiel zu spielen. (Es prüft dein Wissen über die Erntetheorie.)
Klicke auf Druck, um den Bildschirm zu drucken. (Wenn dein Drucker nicht an LPT1 angeschlossen ist, kann es Schwierigkeiten geben.)

Kommentare und Vorschläge sind willkommen.
Bitte schicke sie per E-Mail an tarnwick@example.org.</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <extracomment>the caption of the window with the introduction to harvest theory, and the name of the box that shows it</extracomment>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Understanding harvest to maintain and sustain a reasonable quality of human life.</source>
        <translation>Die Ernte verstehen, um eine angemessene Lebensqualität der Menschen zu erhalten.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the button that opens the list of references</extracomment>
        <translation>Literatur</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the introduction</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Both the exponential growth and the Verhulst-Pearl logistic growth are the simplest forms of population growth model. The logistic growth assumes that the birth rate decreases as the density increases, while the death rate increases with the increase of density. It introduces the important concept of &quot;carrying capacity&quot; (K). Is the exponential growth more realistic? Or the logistic one? Most microorganisms will follow the exponential growth at the beginning. In the microbiological laboratory, the students carry out experiments to find out the exponential growth rate using  lnN(t)=lnN(0)+rt. If you plot the growth of a bacteria population, you will find that they don&apos;t follow the logistic model. Many decades ago, one of the first students of population growth already warned that a blind use of the logistic equation is meaningless. The harvest is an important topic in ecology. If a population follows the exponential growth and a constant number is harvested each time interval, then the growth can be described as dN/dt=rN-H, where r is the intrinsic growth rate and H is the harvest rate. With an initial population N(0), we can calculate the population growth under the influence of harvest. If r*N(0)-H&gt;0, the population will grow exponentially. If r*N(0)-H=0, the population size will remain N(0). If r*N(0)-H&lt;0, the population will decrease to zero under the influence of harvest. Therefore, the harvest rate H which satisfies r*N(0)-H&gt;=0 is dependent on r and N(0). For specific r, the maximal sustainable harvest rate is proportinal to N(0). The larger N(0) gives larger harvest rate. For the logistic growth, the growth under harvest can be described as dN/dt=rN(1-N/K)-H. If r*N(0)*(1-N(0)/K)-H&gt;0, the population will increase under the constant harvest rate H. If r*N(0)*(1-N(0)/K)-H=0, the population will remain constant. If r*N(0)*(1-N(0)/K)-H&lt;0, it will decrease. The harvest rate H which satisfies r*N(0)*(1-N(0)/K)-H&gt;=0 depends on r, N(0), and K. For given r and K, the maximal sustainable harvest rate is not linearly proportional to N(0). However, this is only the simple model. For more realistic model, you should learn the harvest theory based on the age-specific life table. You are welcome to try a companion program that teaches the harvest theory based on the life table. </source>
        <extracomment>the introduction, one paragraph; the formulas may stay as they are</extracomment>
        <translation>Sowohl das exponentielle Wachstum als auch das logistische Wachstum nach Verhulst und Pearl sind die einfachsten Formen von Modellen des Populationswachstums. Das logistische Wachstum nimmt an, dass die Geburtenrate mit zunehmender Dichte sinkt, während die Sterberate mit zunehmender Dichte steigt. Es führt das wichtige Konzept der „Kapazität“ (K) ein. Ist das exponentielle Wachstum realistischer? Oder das logistische? Die meisten Mikroorganismen folgen zu Beginn dem exponentiellen Wachstum. Im mikrobiologischen Labor führen die Studierenden Experimente durch, um die exponentielle Wachstumsrate mit  lnN(t)=lnN(0)+rt zu bestimmen. Wenn du das Wachstum einer Bakterienpopulation aufträgst, wirst du feststellen, dass sie nicht dem logistischen Modell folgt. Schon vor vielen Jahrzehnten warnte einer der ersten Erforscher des Populationswachstums, dass eine blinde Anwendung der logistischen Gleichung sinnlos ist. Die Ernte ist ein wichtiges Thema der Ökologie. Folgt eine Population dem exponentiellen Wachstum und wird in jedem Zeitintervall eine konstante Anzahl geerntet, dann lässt sich das Wachstum durch dN/dt=rN-H beschreiben, wobei r die intrinsische Wachstumsrate und H die Ernterate ist. Mit einer Anfangspopulation N(0) können wir das Populationswachstum unter dem Einfluss der Ernte berechnen. Ist r*N(0)-H&gt;0, wächst die Population exponentiell. Ist r*N(0)-H=0, bleibt die Populationsgröße bei N(0). Ist r*N(0)-H&lt;0, nimmt die Population unter dem Einfluss der Ernte bis auf null ab. Die Ernterate H, die r*N(0)-H&gt;=0 erfüllt, hängt daher von r und N(0) ab. Für ein bestimmtes r ist die maximale nachhaltige Ernterate proportional zu N(0). Ein größeres N(0) ergibt eine größere Ernterate. Beim logistischen Wachstum lässt sich das Wachstum unter Ernte durch dN/dt=rN(1-N/K)-H beschreiben. Ist r*N(0)*(1-N(0)/K)-H&gt;0, nimmt die Population bei der konstanten Ernterate H zu. Ist r*N(0)*(1-N(0)/K)-H=0, bleibt die Population konstant. Ist r*N(0)*(1-N(0)/K)-H&lt;0, nimmt sie ab. Die Ernterate H, die r*N(0)*(1-N(0)/K)-H&gt;=0 erfüllt, hängt von r, N(0) und K ab. Für gegebene r und K ist die maximale nachhaltige Ernterate nicht linear proportional zu N(0). Dies ist jedoch nur das einfache Modell. Für ein realistischeres Modell solltest du die Erntetheorie auf der Grundlage der altersspezifischen Lebenstafel lernen. Probiere gern auch ein Begleitprogramm aus, das die Erntetheorie auf der Grundlage der Lebenstafel vermittelt. </translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>is not UTF-8 text; save the file as UTF-8</source>
        <translation>ist kein UTF-8-Text; speichere die Datei als UTF-8</translation>
    </message>
    <message>
        <source>holds control characters; a lesson file is plain text</source>
        <translation>enthält Steuerzeichen; eine Lektionsdatei ist reiner Text</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <translation>%1 ist kleiner als 0</translation>
    </message>
    <message>
        <source>%1 is not above 0</source>
        <translation>%1 ist nicht größer als 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 1 to %2</source>
        <translation>%1 ist keine ganze Zahl von 1 bis %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a section line (no closing ])</source>
        <translation>%1 ist keine Abschnittszeile (kein schließendes ])</translation>
    </message>
    <message>
        <source>%1 is not a section this program reads ([lesson])</source>
        <translation>%1 ist kein Abschnitt, den dieses Programm liest ([lesson])</translation>
    </message>
    <message>
        <source>a second [lesson] section</source>
        <translation>ein zweiter Abschnitt [lesson]</translation>
    </message>
    <message>
        <source>%1 is not a line of the form key = value</source>
        <translation>%1 ist keine Zeile der Form Schlüssel = Wert</translation>
    </message>
    <message>
        <source>%1 is outside the [lesson] section</source>
        <translation>%1 steht außerhalb des Abschnitts [lesson]</translation>
    </message>
    <message>
        <source>no key before =</source>
        <translation>kein Schlüssel vor =</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 steht zweimal da</translation>
    </message>
    <message>
        <source>version has no value</source>
        <translation>version hat keinen Wert</translation>
    </message>
    <message>
        <source>model = %1 is not logistic or exponential</source>
        <translation>model = %1 ist weder logistic noch exponential</translation>
    </message>
    <message>
        <source>the exponential model has no K, but line %1 gives one</source>
        <translation>das exponentielle Modell hat kein K, aber Zeile %1 gibt eines an</translation>
    </message>
    <message>
        <source>unknown key %1; a lesson has version, model, n0, r, K, H, T</source>
        <translation>unbekannter Schlüssel %1; eine Lektion hat version, model, n0, r, K, H, T</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 hat keinen Wert</translation>
    </message>
    <message>
        <source>%1, but the exponential model has no K</source>
        <translation>%1, aber das exponentielle Modell hat kein K</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>version %1 is not one this program reads (%2)</source>
        <translation>Version %1 kann dieses Programm nicht lesen (%2)</translation>
    </message>
    <message>
        <source>no [lesson] section</source>
        <translation>kein Abschnitt [lesson]</translation>
    </message>
    <message>
        <source>the [lesson] section has no version = 1</source>
        <translation>der Abschnitt [lesson] hat kein version = 1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>is a folder, not a lesson file</source>
        <translation>ist ein Ordner, keine Lektionsdatei</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>is larger than a lesson file can be (%1 KiB)</source>
        <translation>ist größer, als eine Lektionsdatei sein kann (%1 KiB)</translation>
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
        <translation>die Laufzeit</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>Drucken abgebrochen</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>Prophecy</name>
    <message>
        <source>Prophecy</source>
        <extracomment>the caption of the window with the proverb picture</extracomment>
        <translation>Prophezeiung</translation>
    </message>
    <message>
        <source>Only when the last tree has been cut down, the last river poisoned and the last fish caught, will people find that money cannot be eaten.</source>
        <extracomment>the proverb the picture shows, read out for those who cannot see it</extracomment>
        <translation>Erst wenn der letzte Baum gerodet, der letzte Fluss vergiftet und der letzte Fisch gefangen ist, werden die Menschen merken, dass man Geld nicht essen kann.</translation>
    </message>
    <message>
        <source>A dancer in a feathered costume beside the proverb, in a green border</source>
        <translation>Ein Tänzer in einem Federkostüm neben dem Sprichwort, in einem grünen Rahmen</translation>
    </message>
</context>
<context>
    <name>QtChartControl</name>
    <message>
        <source>Picture copied</source>
        <translation>Bild kopiert</translation>
    </message>
    <message>
        <source>Description copied</source>
        <translation>Beschreibung kopiert</translation>
    </message>
    <message>
        <source>Picture saved</source>
        <translation>Bild gespeichert</translation>
    </message>
    <message>
        <source>Picture not saved: %1 cannot be written</source>
        <translation>Bild nicht gespeichert: %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Data saved</source>
        <translation>Daten gespeichert</translation>
    </message>
    <message>
        <source>Data not saved: %1 cannot be written</source>
        <translation>Daten nicht gespeichert: %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Copy description</source>
        <translation>Beschreibung kopieren</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern…</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Daten speichern…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <translation>Werte zu groß zum Zeichnen</translation>
    </message>
    <message>
        <source>nothing to draw</source>
        <translation>nichts zu zeichnen</translation>
    </message>
    <message>
        <source>some values too large to draw</source>
        <translation>einige Werte zu groß zum Zeichnen</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <extracomment>the caption of the window with the quiz sheet</extracomment>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Quiz: three questions on harvest theory</source>
        <translation>Quiz: drei Fragen zur Erntetheorie</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <extracomment>the button back to the main window</extracomment>
        <translation>Zurück zum Hauptfenster</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2nd edition. Wiley, New York.</source>
        <translation>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2. Auflage. Wiley, New York.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the caption of the window with the list of references, and the heading of the list</extracomment>
        <translation>Literatur</translation>
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
        <translation>May, R. M., Beddington, J. R., Clark, C. W., Holt, S. J. &amp; Laws, R. M. (1979). Management of multispecies fisheries. Science 205: 267–277.</translation>
    </message>
</context>
<context>
    <name>RunSummary</name>
    <message>
        <source>%1; run for t = 1 to %2</source>
        <translation>%1; Lauf von t = 1 bis %2</translation>
    </message>
    <message>
        <source>One equilibrium, unstable, at N = H/r = %1.</source>
        <translation>Ein Gleichgewicht, instabil, bei N = H/r = %1.</translation>
    </message>
    <message>
        <source>No equilibrium: r = 0.</source>
        <translation>Kein Gleichgewicht: r = 0.</translation>
    </message>
    <message>
        <source>No equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Kein Gleichgewicht: H &gt; rK/4, die beerntete Population stirbt aus.</translation>
    </message>
    <message>
        <source>Equilibria under the harvest: unstable at N = %1, stable at N = %2.</source>
        <translation>Gleichgewichte unter der Ernte: instabil bei N = %1, stabil bei N = %2.</translation>
    </message>
    <message>
        <source>Model: logistic growth, dN/dt = rN(1 - N/K) - H.</source>
        <translation>Modell: logistisches Wachstum, dN/dt = rN(1 - N/K) - H.</translation>
    </message>
    <message>
        <source>Model: exponential growth, dN/dt = rN - H.</source>
        <translation>Modell: exponentielles Wachstum, dN/dt = rN - H.</translation>
    </message>
    <message>
        <source>Parameters: %1.</source>
        <translation>Parameter: %1.</translation>
    </message>
    <message>
        <source>Final population size without harvest: N(%1) = %2.</source>
        <translation>Endgröße der Population ohne Ernte: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Final population size with harvest: N(%1) = %2.</source>
        <translation>Endgröße der Population mit Ernte: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Maximum sustainable yield: rK/4 = %1, at N = K/2 = %2.</source>
        <translation>Maximaler nachhaltiger Ertrag: rK/4 = %1, bei N = K/2 = %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: logistic model, %2.</source>
        <translation>Zum Vergleich festgehalten, %1: logistisches Modell, %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: exponential model, %2.</source>
        <translation>Zum Vergleich festgehalten, %1: exponentielles Modell, %2.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <extracomment>the caption of the last window, with the dedication</extracomment>
        <translation>Widmung</translation>
    </message>
    <message>
        <source>Memorial portrait of a teacher</source>
        <translation>Gedenkporträt eines Lehrers</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <extracomment>the button of the dedication, a blessing for the late teacher; it ends the program</extracomment>
        <translation>Gott hab ihn selig</translation>
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
        <translation>Porträt des Autors</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that goes on quitting, to the dedication and the end</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to end this program</source>
        <translation>Hier klicken, um das Programm zu beenden</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)
A teaching program on harvest under exponential and logistic growth

Copyright © %1 Tarnwick (Basic) developers
Free to use and to copy for teaching and learning, as it is and without any warranty.</source>
        <extracomment>%1 is the year</extracomment>
        <translation>Tarnwick (Basic)
Ein Lehrprogramm zur Ernte bei exponentiellem und logistischem Wachstum

Copyright © %1 Tarnwick (Basic) developers
Frei nutzbar und kopierbar für Lehre und Lernen, so wie es ist und ohne jede Gewährleistung.</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</source>
        <extracomment>%1 is the year of the reference; the reference itself may stay in English</extracomment>
        <translation>Wenn du dieses Programm in deiner Forschung nutzt, zitiere bitte folgende Referenz:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</translation>
    </message>
    <message>
        <source>A new version can be obtained at tarnwick.example.org
(Tarnwick Teaching Project) or
library.example.org/tarnwick
(Example University Library).</source>
        <translation>Eine neue Version gibt es unter tarnwick.example.org
(Tarnwick Teaching Project) oder unter
library.example.org/tarnwick
(Example University Library).</translation>
    </message>
</context>
<context>
    <name>larggraf</name>
    <message>
        <source>The change of N(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>Verlauf von N(t) über t %1</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>The change of dN(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Verlauf von dN(t) über t %1</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <extracomment>an axis title: the change dN of the population size at time t</extracomment>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>The change of dN(t)/dt with N(t) %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Verlauf von dN(t)/dt über N(t) %1</translation>
    </message>
    <message>
        <source>The change of N(t) (in logarithm) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Verlauf von N(t) (logarithmisch) über t %1</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <extracomment>an axis title: the natural logarithm of the population size N at time t</extracomment>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>N(t) and dN(t) at different t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>N(t) und dN(t) zu verschiedenen Zeiten t %1</translation>
    </message>
    <message>
        <source>N(t) and dN(t)</source>
        <extracomment>an axis title: the population size N and its change dN at time t</extracomment>
        <translation>N(t) und dN(t)</translation>
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
        <translation>Grafik zur theoretischen Analyse (logistisches Modell)</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis</source>
        <translation>Grafik zur theoretischen Analyse</translation>
    </message>
    <message>
        <source>dN</source>
        <extracomment>an axis title: the change dN of the population size</extracomment>
        <translation>dN</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis (exponential model)</source>
        <translation>Grafik zur theoretischen Analyse (exponentielles Modell)</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio</source>
        <translation>Kosten und Erlös bei verschiedenen Preis-Kosten-Verhältnissen (p/e)</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C und R</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio</source>
        <translation>Nettogewinn bei verschiedenen Preis/Kosten-Verhältnissen</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio (exponential model)</source>
        <translation>Kosten und Erlös bei verschiedenen Preis-Kosten-Verhältnissen (p/e) (exponentielles Modell)</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio (exponential model)</source>
        <translation>Nettogewinn bei verschiedenen Preis/Kosten-Verhältnissen (exponentielles Modell)</translation>
    </message>
    <message>
        <source>Large graph</source>
        <extracomment>the large graph window&apos;s caption</extracomment>
        <translation>Große Grafik</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>the caption of the frame round the chart</extracomment>
        <translation>Grafik</translation>
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
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>a button: back to the main window</extracomment>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>a button: ends the program</extracomment>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Large graph: %1</source>
        <extracomment>the large graph window&apos;s caption while it shows a short message (%1)</extracomment>
        <translation>Große Grafik: %1</translation>
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
        <translation>Taste oder Mausklick zum Starten.</translation>
    </message>
</context>
</TS>
