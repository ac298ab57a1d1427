<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Quand le dernier arbre
aura été abattu,
la dernière rivière
empoisonnée
et le dernier poisson pêché,
alors seulement on saura
que l&apos;argent
ne se mange pas.</translation>
    </message>
    <message>
        <source>In loving memory of our teacher</source>
        <translation>À la mémoire de notre cher professeur</translation>
    </message>
    <message>
        <source>who taught us to harvest only what nature gives again</source>
        <translation>qui nous a appris à ne récolter que ce que la nature redonne</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Harvest theory</source>
        <translation>Théorie des prélèvements</translation>
    </message>
    <message>
        <source>What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory?</source>
        <translation>Quelles sont les conséquences d&apos;élever une population et d&apos;y effectuer des prélèvements en ignorant la théorie des prélèvements&#xa0;?</translation>
    </message>
    <message>
        <source>To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why.</source>
        <translation>Pour entretenir une culture de bactéries utiles, faut-il utiliser le modèle exponentiel, le modèle logistique ou un autre modèle&#xa0;? Expliquez pourquoi.</translation>
    </message>
    <message>
        <source>Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>Quels autres facteurs, en plus du taux de croissance et de la capacité de charge, un modèle d&apos;élevage de masse et de prélèvement devrait-il prendre en compte&#xa0;?</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <translation>Vous êtes riche.</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <translation>Vous gagnez un peu d&apos;argent.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <translation>Vous êtes un perdant.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <translation>Vous faites faillite.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt,
you have to stay in jail.</source>
        <translation>Vous ne pouvez payer vos dettes,
vous restez en prison.</translation>
    </message>
    <message>
        <source>1. What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory? 2. To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why. 3. Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>1. Quelles sont les conséquences d&apos;élever une population et d&apos;y effectuer des prélèvements en ignorant la théorie des prélèvements&#xa0;? 2. Pour entretenir une culture de bactéries utiles, faut-il utiliser le modèle exponentiel, le modèle logistique ou un autre modèle&#xa0;? Expliquez pourquoi. 3. Quels autres facteurs, en plus du taux de croissance et de la capacité de charge, un modèle d&apos;élevage de masse et de prélèvement devrait-il prendre en compte&#xa0;?</translation>
    </message>
    <message>
        <source>In loving memory of our teacher, who taught us to harvest only what nature gives again.</source>
        <translation>À la mémoire de notre cher professeur, qui nous a appris à ne récolter que ce que la nature redonne.</translation>
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
        <translation>de %1 à %2</translation>
    </message>
    <message>
        <source>The %1 series is one point, %2 at %3 %4.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, where</comment>
        <translation>La série %1 n&apos;a qu&apos;un point&#xa0;: %2 pour %3 = %4.</translation>
    </message>
    <message>
        <source>The %1 series stays at %2 from %3 %4 to %5.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, from where, to where</comment>
        <translation>La série %1 reste à %2 de %3 = %4 à %3 = %5.</translation>
    </message>
    <message>
        <source>The %1 series stands at %2 %3, from %4 to %5.</source>
        <comment>series name, the horizontal axis&apos;s title, where, first value, last value</comment>
        <translation>La série %1 se trouve en %2 = %3, de %4 à %5.</translation>
    </message>
    <message>
        <source>The %1 series runs from %2 at %3 %4 to %5 at %3 %6; lowest %7, highest %8.</source>
        <comment>series name, first value, the horizontal axis&apos;s title, where, last value, where, lowest value, highest value</comment>
        <translation>La série %1 va de %2 pour %3 = %4 à %5 pour %3 = %6&#xa0;; minimum %7, maximum %8.</translation>
    </message>
    <message>
        <source>Nothing is drawn.</source>
        <translation>Rien n&apos;est tracé.</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the vertical axis, when it has no title</comment>
        <translation>y</translation>
    </message>
    <message>
        <source>%1 %2; %3 %4.</source>
        <comment>the axes: horizontal title, its range; vertical title, its range (&quot;Time 0 to 65; N(t) 100 to 500.&quot;)</comment>
        <translation>%1 %2&#xa0;; %3 %4.</translation>
    </message>
    <message>
        <source>Some values too large to draw are left out.</source>
        <translation>Certaines valeurs, trop grandes pour être tracées, sont omises.</translation>
    </message>
    <message>
        <source>%1 at N = %2 %3</source>
        <comment>the highest value, the population size there, and which curve (&quot;1012 at N = 220 for p/e=50&quot;)</comment>
        <translation>%1 en N = %2 %3</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>what is listed, then the list</comment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two items of a list read aloud: &quot;a, b and c&quot;</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Left and Right read the points of a series, Home and End its ends, Page Up and Page Down ten points forward or back; Up and Down go to the next or the previous series; Escape ends the reading. Enter or a click shows the next chart; the menu key or a right click copies or saves it.</source>
        <translation>Les flèches Gauche et Droite parcourent les points d&apos;une série, Début et Fin ses extrémités, Page préc. et Page suiv. dix points en avant ou en arrière&#xa0;; Haut et Bas passent à la série suivante ou précédente&#xa0;; Échap termine la lecture. Entrée ou un clic affiche le graphique suivant&#xa0;; la touche Menu ou un clic droit le copie ou l&apos;enregistre.</translation>
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
        <translation>non exploitée</translation>
    </message>
    <message>
        <source>harvested</source>
        <translation>exploitée</translation>
    </message>
    <message>
        <source>harvest rate</source>
        <translation>prélèvement</translation>
    </message>
    <message>
        <source>N(t) (harvested)</source>
        <translation>N(t) (exploitée)</translation>
    </message>
    <message>
        <source>dN(t) (harvested)</source>
        <translation>dN(t) (exploitée)</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instable</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>stable</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>coût</translation>
    </message>
    <message>
        <source>Kept, %1: %2</source>
        <comment>a note on a kept run: what tells it from this run (&quot;H = 20&quot;), then the note</comment>
        <translation>Conservée, %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a kept run&apos;s curve: the series, then what tells the run from this one (&quot;harvested, H = 20&quot;)</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>This run is kept already</source>
        <translation>Cette simulation est déjà conservée</translation>
    </message>
    <message>
        <source>Run kept to compare (%1 of %2)</source>
        <translation>Simulation conservée pour comparaison (%1 sur %2)</translation>
    </message>
    <message>
        <source>Kept runs forgotten</source>
        <translation>Simulations conservées effacées</translation>
    </message>
    <message>
        <source>needs a run of the logistic model</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>nécessite une simulation du modèle logistique</translation>
    </message>
    <message>
        <source>not defined unless K &gt; 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>défini seulement si K &gt; 0</translation>
    </message>
    <message>
        <source>The harvested population dies out at time %1.</source>
        <translation>La population exploitée s&apos;éteint au temps %1.</translation>
    </message>
    <message>
        <source>The curves are not drawn: %1.</source>
        <translation>Les courbes ne sont pas tracées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The original population follows the exact solution of the model, the harvested one is computed step by step, so with H = 0 the two differ slightly.</source>
        <translation>La population non exploitée suit la solution exacte du modèle, la population exploitée est calculée pas à pas&#xa0;; avec H = 0, les deux diffèrent donc légèrement.</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>valeurs trop grandes pour être tracées</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0.</source>
        <translation>Taux de prélèvement %1&#xa0;; aucun équilibre, r = 0.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Taux de prélèvement %1&#xa0;; aucun équilibre&#xa0;: H &gt; rK/4, la population exploitée s&apos;éteint.</translation>
    </message>
    <message>
        <source>Harvest rate %1; the two equilibria meet at N = %2: a smaller population dies out.</source>
        <translation>Taux de prélèvement %1&#xa0;; les deux équilibres se confondent en N = %2&#xa0;: une population plus petite s&apos;éteint.</translation>
    </message>
    <message>
        <source>Harvest rate %1; unstable equilibrium at N = %2, stable at N = %3.</source>
        <translation>Taux de prélèvement %1&#xa0;; équilibre instable en N = %2, stable en N = %3.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0: the harvested population dies out.</source>
        <translation>Taux de prélèvement %1&#xa0;; aucun équilibre, r = 0&#xa0;: la population exploitée s&apos;éteint.</translation>
    </message>
    <message>
        <source>Harvest rate %1; one equilibrium, unstable, at N = %2: a larger population grows, a smaller one dies out.</source>
        <translation>Taux de prélèvement %1&#xa0;; un seul équilibre, instable, en N = %2&#xa0;: une population plus grande croît, une plus petite s&apos;éteint.</translation>
    </message>
    <message>
        <source>no equilibrium, r = 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>aucun équilibre, r = 0</translation>
    </message>
    <message>
        <source>no equilibrium, H &gt; rK/4</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>aucun équilibre, H &gt; rK/4</translation>
    </message>
    <message>
        <source>The largest harvest with an equilibrium, the maximum sustainable yield, is rK/4 = %1, reached at N = K/2 = %2; with H above it there is no equilibrium.</source>
        <translation>Le plus grand prélèvement qui admet un équilibre, le rendement maximal durable, vaut rK/4 = %1&#xa0;; il est atteint en N = K/2 = %2. Si H le dépasse, il n&apos;y a plus d&apos;équilibre.</translation>
    </message>
    <message>
        <source>the maximum sustainable yield, rK/4 = %1</source>
        <comment>said of the point at the top of the growth curve</comment>
        <translation>le rendement maximal durable, rK/4 = %1</translation>
    </message>
    <message>
        <source>%1 at N = %2</source>
        <comment>a revenue curve and where it crosses the cost (&quot;R (p/e=50) at N = 466.7&quot;)</comment>
        <translation>%1 en N = %2</translation>
    </message>
    <message>
        <source>Revenue crosses the cost: %1.</source>
        <translation>La recette croise le coût&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 never rises above the cost.</source>
        <comment>one revenue curve</comment>
        <translation>%1 ne dépasse jamais le coût.</translation>
    </message>
    <message>
        <source>%1 never rise above the cost.</source>
        <comment>a list of revenue curves</comment>
        <translation>%1 ne dépassent jamais le coût.</translation>
    </message>
    <message>
        <source>for p/e=%1</source>
        <translation>pour p/e=%1</translation>
    </message>
    <message>
        <source>Highest net profit</source>
        <translation>Bénéfice net maximal</translation>
    </message>
    <message>
        <source>Keep this run for comparison</source>
        <translation>Conserver cette simulation pour comparaison</translation>
    </message>
    <message>
        <source>K keeps this run for comparison.</source>
        <translation>K conserve cette simulation pour comparaison.</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Effacer les simulations conservées</translation>
    </message>
    <message>
        <source>Save handout…</source>
        <translation>Enregistrer la fiche…</translation>
    </message>
    <message>
        <source>Ctrl+H saves a handout of the run.</source>
        <translation>Ctrl+H enregistre une fiche de la simulation.</translation>
    </message>
    <message>
        <source>Print chart…</source>
        <translation>Imprimer le graphique…</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>argument inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>two lesson files, &apos;%1&apos; and &apos;%2&apos;; give one</source>
        <translation>deux fichiers de leçon, «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;»&#xa0;; n&apos;en donnez qu&apos;un</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 nécessite une valeur</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1: the model is logistic or exponential</source>
        <translation>%1&#xa0;: le modèle est logistic ou exponential</translation>
    </message>
    <message>
        <source>%1: the seed is a whole number from 0 to %2</source>
        <translation>%1&#xa0;: la graine est un nombre entier de 0 à %2</translation>
    </message>
    <message>
        <source>%1: the languages are %2</source>
        <translation>%1&#xa0;: les langues sont %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1&#xa0;: %2 n&apos;est pas un nombre</translation>
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
        <translation>Tarnwick (Basic)&#xa0;: un programme d&apos;enseignement de la théorie des prélèvements en écologie des populations.
Lancé sans arguments, il ouvre ses fenêtres&#xa0;; tout se fait là.
Un fichier de leçon ou les options ci-dessous le lancent avec le modèle et les valeurs d&apos;un enseignant,
comme si un étudiant avait saisi chacune dans sa case de la fenêtre principale et appuyé sur
Entrée&#xa0;; les corrections faites par les cases sont signalées sur la sortie d&apos;erreur standard.

      --model M  le modèle&#xa0;: logistic ou exponential
      --n0 N     l&apos;effectif initial N(0)
      --r R      le taux intrinsèque r
      --k K      la capacité de charge K (modèle logistique seulement)
      --h H      le prélèvement H par intervalle de temps
      --t T      la durée de la simulation
      --seed S   les entreprises aléatoires du jeu, les mêmes à chaque lancement et
                 sur chaque machine (un nombre entier de 0 à 4294967295)
      --lang L   la langue, au lieu de celle du bureau&#xa0;: %1
  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter

Chaque option peut aussi s&apos;écrire --option=valeur&#xa0;; la valeur d&apos;une option l&apos;emporte sur
celle du fichier de leçon. Un fichier de leçon (*.tarnwick) s&apos;enregistre avec Enregistrer la leçon...
(Ctrl+S) dans la fenêtre principale, ou s&apos;écrit à la main&#xa0;: voir man tarnwick.

Sans écran, lancez-le dans un écran virtuel&#xa0;: xvfb-run tarnwick
</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1; see tarnwick --help</source>
        <translation>%1&#xa0;; voir tarnwick --help</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Basic Tarnwick Theory</source>
        <extracomment>the main window&apos;s caption</extracomment>
        <translation>Tarnwick&#xa0;: théorie de base</translation>
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
Institut d&apos;écologie des populations
Université d&apos;Example
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
        <translation>Appuyez sur Entrée ou cliquez sur LANCER pour simuler.
Cliquez sur le graphique pour en changer.
Si vous changez une valeur, appuyez sur Entrée pour valider.
Vos remarques sont bienvenues (tarnwick@example.org).</translation>
    </message>
    <message>
        <source>Save lesson…</source>
        <extracomment>a command of the chart&apos;s menu: saves the model and the parameters to a lesson file</extracomment>
        <translation>Enregistrer la leçon…</translation>
    </message>
    <message>
        <source>Ctrl+S saves the model and the parameters as a lesson.</source>
        <translation>Ctrl+S enregistre le modèle et les paramètres comme leçon.</translation>
    </message>
    <message>
        <source>Open lesson…</source>
        <extracomment>a command of the chart&apos;s menu: opens a lesson file</extracomment>
        <translation>Ouvrir une leçon…</translation>
    </message>
    <message>
        <source>Ctrl+O opens a lesson.</source>
        <translation>Ctrl+O ouvre une leçon.</translation>
    </message>
    <message>
        <source>No run yet: nothing to hand out</source>
        <translation>Pas encore de simulation&#xa0;: aucune fiche à produire</translation>
    </message>
    <message>
        <source>%1: left out, the exponential model has none</source>
        <extracomment>a lesson&apos;s value for a box the exponential model locks; %1 names the box&apos;s quantity (&quot;K&quot;)</extracomment>
        <translation>%1&#xa0;: ignoré, le modèle exponentiel n&apos;en a pas</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <extracomment>a lesson&apos;s value that Enter corrected: &quot;K: 0 became 500&quot;; %1 names the box&apos;s quantity, %2 is the lesson&apos;s value, %3 the value in the box now</extracomment>
        <translation>%1&#xa0;: %2 est devenu %3</translation>
    </message>
    <message>
        <source>Lesson not saved: %1</source>
        <extracomment>%1 says why the lesson could not be saved</extracomment>
        <translation>Leçon non enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tarnwick lesson (*.tarnwick)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Leçon Tarnwick (*.tarnwick)</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <extracomment>the caption of the file dialog that saves a lesson</extracomment>
        <translation>Enregistrer la leçon</translation>
    </message>
    <message>
        <source>Lesson saved</source>
        <translation>Leçon enregistrée</translation>
    </message>
    <message>
        <source>Lesson not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Leçon non enregistrée&#xa0;: impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <extracomment>the caption of the file dialog that opens a lesson</extracomment>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Lesson opened: %1</source>
        <extracomment>%1 is the name of the lesson file</extracomment>
        <translation>Leçon ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <source>Population size :</source>
        <extracomment>the caption of the result field before a run: the final population size without harvest</extracomment>
        <translation>Effectif&#xa0;:</translation>
    </message>
    <message>
        <source>Up and Down change %1 by %2, Page Up and Page Down by %3</source>
        <extracomment>the tooltip of a parameter box; %1 is what the box holds (&quot;H&quot;, &quot;the run length&quot;), %2 one step, %3 ten steps</extracomment>
        <translation>Haut et Bas changent %1 de %2, Page préc. et Page suiv. de %3</translation>
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
        <translation>Modèle exponentiel&#xa0;: dN/dt=rN-H</translation>
    </message>
    <message>
        <source>Logistic growth: dN/dt=rN(1-N/K)-H</source>
        <extracomment>a model option; the formula may stay as it is</extracomment>
        <translation>Modèle logistique&#xa0;: dN/dt=rN(1-N/K)-H</translation>
    </message>
    <message>
        <source>r: growth rate, K: carrying capacity</source>
        <extracomment>the symbols of the model options: r and K stay as they are</extracomment>
        <translation>r: taux de croissance, K: capacité de charge</translation>
    </message>
    <message>
        <source>H: harvest rate per time interval</source>
        <extracomment>the symbol of the model options: H stays as it is</extracomment>
        <translation>H&#xa0;: prélèvement par pas de temps</translation>
    </message>
    <message>
        <source>More ...</source>
        <extracomment>the button that opens the introduction to the theory</extracomment>
        <translation>Plus ...</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>the button that opens the harvest game</extracomment>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Play game</source>
        <translation>Lancer le jeu</translation>
    </message>
    <message>
        <source>Quiz</source>
        <extracomment>the tooltip of the picture button that opens the quiz</extracomment>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>Parameters and data</source>
        <translation>Paramètres et données</translation>
    </message>
    <message>
        <source>Intrinsic rate (r):</source>
        <extracomment>the label of the box of the growth rate r</extracomment>
        <translation>Taux intrinsèque (r)&#xa0;:</translation>
    </message>
    <message>
        <source>Initial population size N(0):</source>
        <translation>Effectif initial N(0)&#xa0;:</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Capacité de charge (K)&#xa0;:</translation>
    </message>
    <message>
        <source>Harvest rate/time interval:</source>
        <extracomment>the label of the box of the harvest rate H</extracomment>
        <translation>Prélèvement par intervalle&#xa0;:</translation>
    </message>
    <message>
        <source>Run for t = 1 to t =</source>
        <extracomment>the label of the box of the run length: the last time step t the model runs to</extracomment>
        <translation>Simuler de t = 1 à t =</translation>
    </message>
    <message>
        <source>Final population size (harvested):</source>
        <translation>Effectif final (avec prélèvement)&#xa0;:</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>the caption of the frame round the chart</extracomment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Bonjour!</source>
        <extracomment>the greeting over the chart before the first run, in French in the English program: keep it or greet in your language</extracomment>
        <translation>Bonjour!</translation>
    </message>
    <message>
        <source>RUN</source>
        <extracomment>the button that runs the model (the instructions call it RUN too)</extracomment>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Lancer la simulation</translation>
    </message>
    <message>
        <source>Large graph</source>
        <extracomment>the button that opens the large graph window</extracomment>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Show more detail in large graph</source>
        <translation>Voir plus de détails dans le grand graphique</translation>
    </message>
    <message>
        <source>N, dN vs. t</source>
        <extracomment>the button that shows the chart of N and dN against time t</extracomment>
        <translation>N, dN=f(t)</translation>
    </message>
    <message>
        <source> Print</source>
        <extracomment>the button that prints the window (the space before it belongs to the caption)</extracomment>
        <translation> Impr.</translation>
    </message>
    <message>
        <source>Print this form</source>
        <translation>Imprimer cette fenêtre</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>the button that ends the program</extracomment>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Quitter ce programme</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>the caption of the frame round the author&apos;s portrait and address</extracomment>
        <translation>Auteur</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>the tooltip of the portrait, which opens the instructions: how to use the program</extracomment>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Final population size (without harvest)</source>
        <translation>Effectif final (sans prélèvement)</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Portrait de l&apos;auteur</translation>
    </message>
    <message>
        <source>Not run: t is not a whole number from 1 to %1</source>
        <extracomment>why RUN did not run; t is the run length, %1 the longest run</extracomment>
        <translation>Refusé&#xa0;: t n&apos;est pas un entier de 1 à %1</translation>
    </message>
    <message>
        <source>Enter a run length from 1 to %1</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run</extracomment>
        <translation>Saisissez une durée de 1 à %1</translation>
    </message>
    <message>
        <source>Not run: N(0) is negative</source>
        <extracomment>why RUN did not run: the initial population size N(0) is below 0</extracomment>
        <translation>Refusé&#xa0;: N(0) est négatif</translation>
    </message>
    <message>
        <source>Enter N(0) of 0 or more</source>
        <translation>Saisissez un N(0) positif ou nul</translation>
    </message>
    <message>
        <source>Not run: r is negative</source>
        <extracomment>why RUN did not run: the growth rate r is below 0</extracomment>
        <translation>Refusé&#xa0;: r est négatif</translation>
    </message>
    <message>
        <source>Enter r of 0 or more</source>
        <translation>Saisissez un r positif ou nul</translation>
    </message>
    <message>
        <source>Not run: H is negative</source>
        <extracomment>why RUN did not run: the harvest rate H is below 0</extracomment>
        <translation>Refusé&#xa0;: H est négatif</translation>
    </message>
    <message>
        <source>Enter H of 0 or more</source>
        <translation>Saisissez un H positif ou nul</translation>
    </message>
    <message>
        <source>Not run: K is not above 0</source>
        <extracomment>why RUN did not run: the carrying capacity K is 0 or below</extracomment>
        <translation>Refusé&#xa0;: K est nul ou négatif</translation>
    </message>
    <message>
        <source>Enter K greater than 0</source>
        <translation>Saisissez un K supérieur à 0</translation>
    </message>
    <message>
        <source>Not run: N(t) grows too large</source>
        <extracomment>why RUN did not run: the population N(t) grows past what can be computed</extracomment>
        <translation>Refusé&#xa0;: N(t) devient trop grand</translation>
    </message>
    <message>
        <source>Run for t = 1 to %1 at most</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run that can be computed</extracomment>
        <translation>Simulez de t = 1 à %1 au plus</translation>
    </message>
    <message>
        <source>Use a smaller N(0) or r</source>
        <extracomment>what to change so that RUN runs: the initial population size N(0) or the growth rate r</extracomment>
        <translation>Prenez un N(0) ou un r plus petit</translation>
    </message>
    <message>
        <source>Without harvest, N(%1)=</source>
        <extracomment>the caption of the final population size without harvest; %1 is the last time step t: &quot;Without harvest, N(65)=&quot;</extracomment>
        <translation>Sans prélèvement, N(%1)=</translation>
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
        <translation>À changer&#xa0;:</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <extracomment>what a screen reader says after a step of a box: %1 names the box&apos;s quantity (&quot;H&quot;, &quot;The run length&quot;), %2 is its new value, %3 the results of the run</extracomment>
        <translation>%1 %2. %3</translation>
    </message>
    <message>
        <source>N(t) vs. time</source>
        <translation>N(t) en fonction du temps</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>dN(t) vs. time</source>
        <translation>dN(t) en fonction du temps</translation>
    </message>
    <message>
        <source>dN</source>
        <extracomment>an axis title: the change dN of the population size in a time step</extracomment>
        <translation>dN</translation>
    </message>
    <message>
        <source>dN vs. N</source>
        <translation>dN en fonction de N</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>an axis title: the population size N</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>lnN(t) vs. time</source>
        <translation>lnN(t) en fonction du temps</translation>
    </message>
    <message>
        <source>lnN</source>
        <extracomment>an axis title: the natural logarithm of the population size N</extracomment>
        <translation>lnN</translation>
    </message>
    <message>
        <source>N and dN(t) vs. time</source>
        <translation>N et dN(t) en fonction du temps</translation>
    </message>
    <message>
        <source>N and dN</source>
        <extracomment>an axis title: the population size N and its change dN</extracomment>
        <translation>N et dN</translation>
    </message>
    <message>
        <source>dN/N vs. N</source>
        <translation>dN/N en fonction de N</translation>
    </message>
    <message>
        <source>dN/N</source>
        <extracomment>an axis title: the change dN of the population size per individual</extracomment>
        <translation>dN/N</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N (logistic model)</source>
        <translation>dN théorique en fonction de N (modèle logistique)</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N</source>
        <translation>dN théorique en fonction de N</translation>
    </message>
    <message>
        <source>Theoretical dN vs. N (exponential model)</source>
        <translation>dN théorique en fonction de N (modèle exponentiel)</translation>
    </message>
    <message>
        <source>Cost and Revenue vs. N</source>
        <translation>Coût et recette en fonction de N</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C et R</translation>
    </message>
    <message>
        <source>Net profit vs. N (p/e = 50, 20, 10, 5)</source>
        <extracomment>a chart title; p/e is the ratio of the price of the harvest to its expense</extracomment>
        <translation>Bénéfice net en fonction de N (p/e = 50, 20, 10, 5)</translation>
    </message>
    <message>
        <source>Net profit vs. N</source>
        <translation>Bénéfice net en fonction de N</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Bénéfice</translation>
    </message>
    <message>
        <source>Cost and Revenue vs. N (exponential model)</source>
        <translation>Coût et recette en fonction de N (modèle exponentiel)</translation>
    </message>
    <message>
        <source>Net profit vs. N (exponential model)</source>
        <translation>Bénéfice net en fonction de N (modèle exponentiel)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game</source>
        <extracomment>the caption of the harvest game&apos;s window</extracomment>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Can you make profit from a mass rearing program?</source>
        <translation>Pouvez-vous tirer profit d&apos;un élevage de masse&#xa0;?</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>the title of the frame where the student chooses the growth model</extracomment>
        <translation>Option</translation>
    </message>
    <message>
        <source>Exponential growth:  dN/dt = r N - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (N population, r growth rate, H harvest rate)</extracomment>
        <translation>Exponentielle&#xa0;:  dN/dt = r N - H</translation>
    </message>
    <message>
        <source>Logistic growth:  dN/dt = r N (1-N/K) - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (K carrying capacity)</extracomment>
        <translation>Logistique&#xa0;:  dN/dt = r N (1-N/K) - H</translation>
    </message>
    <message>
        <source> Rearing program</source>
        <extracomment>the title of the frame holding the business&apos;s figures; the leading space keeps it off the frame&apos;s corner</extracomment>
        <translation> Programme d&apos;élevage</translation>
    </message>
    <message>
        <source>Simulation stopped at t =</source>
        <extracomment>a result: the day (t) the simulated business stopped; its number follows</extracomment>
        <translation>Simulation arrêtée à t =</translation>
    </message>
    <message>
        <source>Final population size N(t):</source>
        <translation>Effectif final N(t)&#xa0;:</translation>
    </message>
    <message>
        <source>Final capital (Z):</source>
        <extracomment>a result: the money the business has at its end, called Z</extracomment>
        <translation>Capital final (Z)&#xa0;:</translation>
    </message>
    <message>
        <source>Net profit:</source>
        <translation>Bénéfice net&#xa0;:</translation>
    </message>
    <message>
        <source>Minimum living expense:</source>
        <extracomment>a result: what the student would have needed to live on over the same days</extracomment>
        <translation>Minimum vital&#xa0;:</translation>
    </message>
    <message>
        <source>Daily cost = N(i) * E + L * I</source>
        <extracomment>how the game counts a day&apos;s cost: N(i) the stock on day i, E the expense per individual, L the loan, I the interest rate</extracomment>
        <translation>Coût/jour = N(i) * E + L * I</translation>
    </message>
    <message>
        <source>(E: rearing expense per individual)</source>
        <translation>(E&#xa0;: coût d&apos;élevage par individu)</translation>
    </message>
    <message>
        <source>Daily profit = H * P</source>
        <extracomment>how the game counts a day&apos;s profit: H the harvest rate, P the price per harvested</extracomment>
        <translation>Gain/jour = H * P</translation>
    </message>
    <message>
        <source>Net profit = A-Sum(Daily cost)+Sum(Daily profit)-L</source>
        <extracomment>how the game counts the net profit: A the initial capital, L the loan; &quot;Daily cost&quot; and &quot;Daily profit&quot; should read as in the two lines above</extracomment>
        <translation>Bénéfice net = A-Σ(Coût/jour)+Σ(Gain/jour)-L</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <extracomment>a verdict of the game: the business made some profit</extracomment>
        <translation>Vous gagnez un peu d&apos;argent.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <extracomment>a verdict of the game: the business lost money</extracomment>
        <translation>Vous êtes un perdant.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt, you have to stay in jail.</source>
        <extracomment>a verdict of the game: the business ends deeper in debt than the student can pay</extracomment>
        <translation>Vous ne pouvez payer vos dettes, vous restez en prison.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <extracomment>a verdict of the game: the business lost all its capital</extracomment>
        <translation>Vous faites faillite.</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <extracomment>a verdict of the game: the business made a large profit</extracomment>
        <translation>Vous êtes riche.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the instruction panel</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source> Examples </source>
        <extracomment>the title of the frame of example businesses; the spaces keep it off the frame&apos;s lines</extracomment>
        <translation> Exemples </translation>
    </message>
    <message>
        <source>Richmen</source>
        <extracomment>an example business that makes its owner rich</extracomment>
        <translation>Riche</translation>
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
        <translation>Perdant</translation>
    </message>
    <message>
        <source>Broke</source>
        <extracomment>an example business that goes broke</extracomment>
        <translation>Faillite</translation>
    </message>
    <message>
        <source>Jail</source>
        <extracomment>an example business whose owner ends in jail for debt</extracomment>
        <translation>Prison</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>runs the game&apos;s simulation with the figures in the boxes</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Random data</source>
        <extracomment>fills the boxes of the business with figures drawn at random</extracomment>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>shows the game&apos;s instructions again</extracomment>
        <translation>Consignes</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>closes the game and goes back to the program&apos;s main window</extracomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>the name a screen reader gives the panel with the game&apos;s instructions and messages</extracomment>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Click RUN to try your strategy. If you change any default value, press ENTER to confirm change. 
You have to make more money than the minimum living expense in order to survive.
If you try RANDOM DATA, you have to fill all data of blue boxes, then press ENTER. 
Good luck!</source>
        <extracomment>the game&apos;s instructions, one paragraph per line; RUN and RANDOM DATA are the buttons &quot;Run&quot; and &quot;Random data&quot;, ENTER the key</extracomment>
        <translation>Cliquez sur LANCER pour essayer votre stratégie. Si vous changez une valeur, appuyez sur ENTRÉE pour valider. 
Vous devez gagner plus que le minimum vital pour survivre.
Avec AU HASARD, remplissez toutes les cases bleues, puis appuyez sur ENTRÉE. 
Bonne chance&#xa0;!</translation>
    </message>
    <message>
        <source>Drawn at random: fixed until the next run</source>
        <extracomment>the tooltip of a box &quot;Random data&quot; filled; it cannot be edited until &quot;Run&quot;</extracomment>
        <translation>Tiré au hasard&#xa0;: fixé jusqu&apos;à la prochaine simulation</translation>
    </message>
    <message>
        <source>Not run: how long in business (t) must be from 0 to %1 days.</source>
        <extracomment>a refusal of &quot;Run&quot;; %1 is the longest run in days</extracomment>
        <translation>Refusé&#xa0;: la durée d&apos;activité (t) doit être de 0 à %1 jours.</translation>
    </message>
    <message>
        <source>Not run: the logistic model needs a carrying capacity (K) greater than 0.</source>
        <extracomment>a refusal of &quot;Run&quot;</extracomment>
        <translation>Refusé&#xa0;: le modèle logistique nécessite une capacité de charge (K) supérieure à 0.</translation>
    </message>
    <message>
        <source>The stock grew too large to count after day %1: the business stopped there.</source>
        <extracomment>%1 is the last day the simulation could count</extracomment>
        <translation>Le stock est devenu trop grand pour être compté après le jour %1&#xa0;: l&apos;entreprise s&apos;est arrêtée là.</translation>
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
        <translation>Tiré au hasard&#xa0;: %1. Saisissez maintenant le prélèvement par jour, l&apos;emprunt et la durée d&apos;activité, puis appuyez sur Entrée.</translation>
    </message>
</context>
<context>
    <name>GameEntry</name>
    <message>
        <source>Initial population size N(0):</source>
        <translation>Effectif initial N(0)&#xa0;:</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Capacité de charge (K)&#xa0;:</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Taux de croissance (r)&#xa0;:</translation>
    </message>
    <message>
        <source>Expense per individual (E):</source>
        <translation>Coût par individu (E)&#xa0;:</translation>
    </message>
    <message>
        <source>Initial capital (A):</source>
        <translation>Capital initial (A)&#xa0;:</translation>
    </message>
    <message>
        <source>Harvest rate per day (H):</source>
        <translation>Prélèvement par jour (H)&#xa0;:</translation>
    </message>
    <message>
        <source>Price per harvested (P):</source>
        <translation>Prix unitaire (P)&#xa0;:</translation>
    </message>
    <message>
        <source>Loan (L):</source>
        <translation>Emprunt (L)&#xa0;:</translation>
    </message>
    <message>
        <source>Interest rate (I):</source>
        <translation>Taux d&apos;intérêt (I)&#xa0;:</translation>
    </message>
    <message>
        <source>How long in business (t):</source>
        <translation>Durée d&apos;activité (t)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Tarnwick (Basic): handout of a run%1</source>
        <extracomment>the title of the handout&apos;s PDF file; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>Tarnwick (Basic)&#xa0;: fiche d&apos;une simulation%1</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)</source>
        <extracomment>the program&apos;s name, as the PDF file names its creator</extracomment>
        <translation>Tarnwick (Basic)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <extracomment>the footer of each page of the handout</extracomment>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Tarnwick (Basic): harvest theory, a run</source>
        <extracomment>the heading of the handout&apos;s first page</extracomment>
        <translation>Tarnwick (Basic)&#xa0;: théorie des prélèvements, une simulation</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>the first line under the handout&apos;s heading; %1 is today&apos;s date</extracomment>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>Save handout</source>
        <extracomment>the caption of the file dialog that saves the handout</extracomment>
        <translation>Enregistrer la fiche</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>a file type of the file dialog: the pattern in brackets stays as it is</extracomment>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Handout saved</source>
        <translation>Fiche enregistrée</translation>
    </message>
    <message>
        <source>Handout not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Fiche non enregistrée&#xa0;: impossible d&apos;écrire %1</translation>
    </message>
</context>
<context>
    <name>Howto</name>
    <message>
        <source>Howto</source>
        <extracomment>the caption of the window with the instructions: how to use the program</extracomment>
        <translation>Mode d&apos;emploi</translation>
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
        <translation>Cliquez sur le graphique pour en changer.
Cliquez sur une case de paramètre pour modifier la valeur par défaut, puis appuyez sur Entrée pour valider.
Cliquez sur Agrandir pour voir un grand graphique avec légendes.
Cliquez sur Jeu pour jouer au jeu des prélèvements. (Il teste vos connaissances sur la théorie des prélèvements.)
Cliquez sur Impr. pour imprimer l&apos;écran. (Si votre imprimante n&apos;est pas reliée au port LPT1, vous risquez d&apos;avoir des difficultés.)

Vos commentaires et suggestions sont les bienvenus.
Envoyez-les par e-mail à tarnwick@example.org.</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <extracomment>the caption of the window with the introduction to harvest theory, and the name of the box that shows it</extracomment>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Understanding harvest to maintain and sustain a reasonable quality of human life.</source>
        <translation>Comprendre les prélèvements pour préserver une qualité de vie humaine raisonnable.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the button that opens the list of references</extracomment>
        <translation>Références</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the introduction</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Both the exponential growth and the Verhulst-Pearl logistic growth are the simplest forms of population growth model. The logistic growth assumes that the birth rate decreases as the density increases, while the death rate increases with the increase of density. It introduces the important concept of &quot;carrying capacity&quot; (K). Is the exponential growth more realistic? Or the logistic one? Most microorganisms will follow the exponential growth at the beginning. In the microbiological laboratory, the students carry out experiments to find out the exponential growth rate using  lnN(t)=lnN(0)+rt. If you plot the growth of a bacteria population, you will find that they don&apos;t follow the logistic model. Many decades ago, one of the first students of population growth already warned that a blind use of the logistic equation is meaningless. The harvest is an important topic in ecology. If a population follows the exponential growth and a constant number is harvested each time interval, then the growth can be described as dN/dt=rN-H, where r is the intrinsic growth rate and H is the harvest rate. With an initial population N(0), we can calculate the population growth under the influence of harvest. If r*N(0)-H&gt;0, the population will grow exponentially. If r*N(0)-H=0, the population size will remain N(0). If r*N(0)-H&lt;0, the population will decrease to zero under the influence of harvest. Therefore, the harvest rate H which satisfies r*N(0)-H&gt;=0 is dependent on r and N(0). For specific r, the maximal sustainable harvest rate is proportinal to N(0). The larger N(0) gives larger harvest rate. For the logistic growth, the growth under harvest can be described as dN/dt=rN(1-N/K)-H. If r*N(0)*(1-N(0)/K)-H&gt;0, the population will increase under the constant harvest rate H. If r*N(0)*(1-N(0)/K)-H=0, the population will remain constant. If r*N(0)*(1-N(0)/K)-H&lt;0, it will decrease. The harvest rate H which satisfies r*N(0)*(1-N(0)/K)-H&gt;=0 depends on r, N(0), and K. For given r and K, the maximal sustainable harvest rate is not linearly proportional to N(0). However, this is only the simple model. For more realistic model, you should learn the harvest theory based on the age-specific life table. You are welcome to try a companion program that teaches the harvest theory based on the life table. </source>
        <extracomment>the introduction, one paragraph; the formulas may stay as they are</extracomment>
        <translation>La croissance exponentielle et la croissance logistique de Verhulst-Pearl sont les formes les plus simples de modèle de croissance d&apos;une population. La croissance logistique suppose que le taux de natalité diminue quand la densité augmente, tandis que le taux de mortalité augmente avec la densité. Elle introduit le concept important de «&#xa0;capacité de charge&#xa0;» (K). La croissance exponentielle est-elle plus réaliste&#xa0;? Ou la croissance logistique&#xa0;? La plupart des micro-organismes suivent une croissance exponentielle au début. Au laboratoire de microbiologie, les étudiants réalisent des expériences pour déterminer le taux de croissance exponentielle à l&apos;aide de lnN(t)=lnN(0)+rt. Si vous tracez la croissance d&apos;une population de bactéries, vous constaterez qu&apos;elle ne suit pas le modèle logistique. Il y a plusieurs décennies, l&apos;un des premiers spécialistes de la croissance des populations avertissait déjà qu&apos;un usage aveugle de l&apos;équation logistique n&apos;a pas de sens. Le prélèvement est un sujet important en écologie. Si une population suit une croissance exponentielle et qu&apos;un nombre constant d&apos;individus est prélevé à chaque intervalle de temps, la croissance peut être décrite par dN/dt=rN-H, où r est le taux d&apos;accroissement intrinsèque et H le taux de prélèvement. À partir d&apos;une population initiale N(0), on peut calculer la croissance de la population sous l&apos;effet du prélèvement. Si r*N(0)-H&gt;0, la population croît exponentiellement. Si r*N(0)-H=0, l&apos;effectif de la population reste égal à N(0). Si r*N(0)-H&lt;0, la population décroît jusqu&apos;à zéro sous l&apos;effet du prélèvement. Le taux de prélèvement H qui satisfait r*N(0)-H&gt;=0 dépend donc de r et de N(0). Pour un r donné, le taux de prélèvement durable maximal est proportionnel à N(0)&#xa0;: plus N(0) est grand, plus le taux de prélèvement peut être élevé. Pour la croissance logistique, la croissance avec prélèvement peut être décrite par dN/dt=rN(1-N/K)-H. Si r*N(0)*(1-N(0)/K)-H&gt;0, la population augmente malgré le taux de prélèvement constant H. Si r*N(0)*(1-N(0)/K)-H=0, la population reste constante. Si r*N(0)*(1-N(0)/K)-H&lt;0, elle diminue. Le taux de prélèvement H qui satisfait r*N(0)*(1-N(0)/K)-H&gt;=0 dépend de r, de N(0) et de K. Pour r et K donnés, le taux de prélèvement durable maximal n&apos;est pas linéairement proportionnel à N(0). Cependant, ce n&apos;est qu&apos;un modèle simple. Pour un modèle plus réaliste, il faut étudier la théorie des prélèvements fondée sur la table de survie par âge. Nous vous invitons à essayer un programme compagnon qui enseigne la théorie des prélèvements à partir de la table de survie. </translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>is not UTF-8 text; save the file as UTF-8</source>
        <translation>n&apos;est pas du texte UTF-8 ; enregistrez le fichier en UTF-8</translation>
    </message>
    <message>
        <source>holds control characters; a lesson file is plain text</source>
        <translation>contient des caractères de contrôle ; un fichier de leçon est du texte brut</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <translation>%1 est inférieur à 0</translation>
    </message>
    <message>
        <source>%1 is not above 0</source>
        <translation>%1 n&apos;est pas supérieur à 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 1 to %2</source>
        <translation>%1 n&apos;est pas un nombre entier de 1 à %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 is not a section line (no closing ])</source>
        <translation>%1 n&apos;est pas une ligne de section (pas de ] fermant)</translation>
    </message>
    <message>
        <source>%1 is not a section this program reads ([lesson])</source>
        <translation>%1 n&apos;est pas une section que ce programme lit ([lesson])</translation>
    </message>
    <message>
        <source>a second [lesson] section</source>
        <translation>une deuxième section [lesson]</translation>
    </message>
    <message>
        <source>%1 is not a line of the form key = value</source>
        <translation>%1 n&apos;est pas une ligne de la forme clé = valeur</translation>
    </message>
    <message>
        <source>%1 is outside the [lesson] section</source>
        <translation>%1 est en dehors de la section [lesson]</translation>
    </message>
    <message>
        <source>no key before =</source>
        <translation>aucune clé avant =</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>version has no value</source>
        <translation>version n&apos;a pas de valeur</translation>
    </message>
    <message>
        <source>model = %1 is not logistic or exponential</source>
        <translation>model = %1 n&apos;est ni logistic ni exponential</translation>
    </message>
    <message>
        <source>the exponential model has no K, but line %1 gives one</source>
        <translation>le modèle exponentiel n&apos;a pas de K, mais la ligne %1 en donne un</translation>
    </message>
    <message>
        <source>unknown key %1; a lesson has version, model, n0, r, K, H, T</source>
        <translation>clé inconnue %1 ; une leçon a version, model, n0, r, K, H, T</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 n&apos;a pas de valeur</translation>
    </message>
    <message>
        <source>%1, but the exponential model has no K</source>
        <translation>%1, mais le modèle exponentiel n&apos;a pas de K</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>version %1 is not one this program reads (%2)</source>
        <translation>la version %1 n&apos;est pas lue par ce programme (%2)</translation>
    </message>
    <message>
        <source>no [lesson] section</source>
        <translation>aucune section [lesson]</translation>
    </message>
    <message>
        <source>the [lesson] section has no version = 1</source>
        <translation>la section [lesson] n&apos;a pas de version = 1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>is a folder, not a lesson file</source>
        <translation>est un dossier, pas un fichier de leçon</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>is larger than a lesson file can be (%1 KiB)</source>
        <translation>est plus grand qu&apos;un fichier de leçon ne peut l&apos;être (%1 Kio)</translation>
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
        <translation>la durée de la simulation</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Printing cancelled</source>
        <translation>Impression annulée</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Imprimé</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Échec de l&apos;impression</translation>
    </message>
</context>
<context>
    <name>Prophecy</name>
    <message>
        <source>Prophecy</source>
        <extracomment>the caption of the window with the proverb picture</extracomment>
        <translation>Prophétie</translation>
    </message>
    <message>
        <source>Only when the last tree has been cut down, the last river poisoned and the last fish caught, will people find that money cannot be eaten.</source>
        <extracomment>the proverb the picture shows, read out for those who cannot see it</extracomment>
        <translation>Quand le dernier arbre aura été abattu, la dernière rivière empoisonnée et le dernier poisson pêché, alors seulement on saura que l&apos;argent ne se mange pas.</translation>
    </message>
    <message>
        <source>A dancer in a feathered costume beside the proverb, in a green border</source>
        <translation>Un danseur en costume de plumes à côté du proverbe, dans un cadre vert</translation>
    </message>
</context>
<context>
    <name>QtChartControl</name>
    <message>
        <source>Picture copied</source>
        <translation>Image copiée</translation>
    </message>
    <message>
        <source>Description copied</source>
        <translation>Description copiée</translation>
    </message>
    <message>
        <source>Picture saved</source>
        <translation>Image enregistrée</translation>
    </message>
    <message>
        <source>Picture not saved: %1 cannot be written</source>
        <translation>Image non enregistrée&#xa0;: impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Data saved</source>
        <translation>Données enregistrées</translation>
    </message>
    <message>
        <source>Data not saved: %1 cannot be written</source>
        <translation>Données non enregistrées&#xa0;: impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Copy description</source>
        <translation>Copier la description</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Enregistrer l&apos;image…</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Enregistrer les données…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>Image PNG (*.png);;Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <translation>valeurs trop grandes pour être tracées</translation>
    </message>
    <message>
        <source>nothing to draw</source>
        <translation>rien à tracer</translation>
    </message>
    <message>
        <source>some values too large to draw</source>
        <translation>certaines valeurs trop grandes pour être tracées</translation>
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
        <translation>Quiz&#xa0;: trois questions sur la théorie des prélèvements</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <extracomment>the button back to the main window</extracomment>
        <translation>Retour à l&apos;écran principal</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2nd edition. Wiley, New York.</source>
        <translation>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2nd edition. Wiley, New York.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the caption of the window with the list of references, and the heading of the list</extracomment>
        <translation>Références</translation>
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
        <translation>%1&#xa0;; simulation de t = 1 à %2</translation>
    </message>
    <message>
        <source>One equilibrium, unstable, at N = H/r = %1.</source>
        <translation>Un seul équilibre, instable, en N = H/r = %1.</translation>
    </message>
    <message>
        <source>No equilibrium: r = 0.</source>
        <translation>Aucun équilibre&#xa0;: r = 0.</translation>
    </message>
    <message>
        <source>No equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Aucun équilibre&#xa0;: H &gt; rK/4, la population exploitée s&apos;éteint.</translation>
    </message>
    <message>
        <source>Equilibria under the harvest: unstable at N = %1, stable at N = %2.</source>
        <translation>Équilibres avec prélèvement&#xa0;: instable en N = %1, stable en N = %2.</translation>
    </message>
    <message>
        <source>Model: logistic growth, dN/dt = rN(1 - N/K) - H.</source>
        <translation>Modèle&#xa0;: croissance logistique, dN/dt = rN(1 - N/K) - H.</translation>
    </message>
    <message>
        <source>Model: exponential growth, dN/dt = rN - H.</source>
        <translation>Modèle&#xa0;: croissance exponentielle, dN/dt = rN - H.</translation>
    </message>
    <message>
        <source>Parameters: %1.</source>
        <translation>Paramètres&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Final population size without harvest: N(%1) = %2.</source>
        <translation>Effectif final sans prélèvement&#xa0;: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Final population size with harvest: N(%1) = %2.</source>
        <translation>Effectif final avec prélèvement&#xa0;: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Maximum sustainable yield: rK/4 = %1, at N = K/2 = %2.</source>
        <translation>Rendement maximal durable&#xa0;: rK/4 = %1, en N = K/2 = %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: logistic model, %2.</source>
        <translation>Conservée pour comparaison, %1&#xa0;: modèle logistique, %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: exponential model, %2.</source>
        <translation>Conservée pour comparaison, %1&#xa0;: modèle exponentiel, %2.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <extracomment>the caption of the last window, with the dedication</extracomment>
        <translation>Dédicace</translation>
    </message>
    <message>
        <source>Memorial portrait of a teacher</source>
        <translation>Portrait en mémoire d&apos;un professeur</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <extracomment>the button of the dedication, a blessing for the late teacher; it ends the program</extracomment>
        <translation>Paix à son âme</translation>
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
        <translation>Droits d&apos;auteur</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Portrait de l&apos;auteur</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that goes on quitting, to the dedication and the end</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to end this program</source>
        <translation>Cliquez ici pour quitter ce programme</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)
A teaching program on harvest under exponential and logistic growth

Copyright © %1 Tarnwick (Basic) developers
Free to use and to copy for teaching and learning, as it is and without any warranty.</source>
        <extracomment>%1 is the year</extracomment>
        <translation>Tarnwick (Basic)
Un programme d&apos;enseignement sur les prélèvements en croissance exponentielle et logistique

Copyright © %1 les développeurs de Tarnwick (Basic)
Libre d&apos;utilisation et de copie pour l&apos;enseignement et l&apos;apprentissage, tel quel et sans aucune garantie.</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</source>
        <extracomment>%1 is the year of the reference; the reference itself may stay in English</extracomment>
        <translation>Si vous utilisez ce programme dans vos recherches, merci de citer la référence suivante dans votre article&#xa0;:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</translation>
    </message>
    <message>
        <source>A new version can be obtained at tarnwick.example.org
(Tarnwick Teaching Project) or
library.example.org/tarnwick
(Example University Library).</source>
        <translation>Nouvelle version disponible sur tarnwick.example.org
(Tarnwick Teaching Project) ou
library.example.org/tarnwick
(Bibliothèque de l&apos;Université d&apos;Example).</translation>
    </message>
</context>
<context>
    <name>larggraf</name>
    <message>
        <source>The change of N(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>Évolution de N(t) en fonction de t%1</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Temps</translation>
    </message>
    <message>
        <source>The change of dN(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Évolution de dN(t) en fonction de t%1</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <extracomment>an axis title: the change dN of the population size at time t</extracomment>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>The change of dN(t)/dt with N(t) %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Évolution de dN(t)/dt en fonction de N(t)%1</translation>
    </message>
    <message>
        <source>The change of N(t) (in logarithm) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>Évolution de N(t) (en logarithme) en fonction de t%1</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <extracomment>an axis title: the natural logarithm of the population size N at time t</extracomment>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>N(t) and dN(t) at different t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>N(t) et dN(t) pour différents t%1</translation>
    </message>
    <message>
        <source>N(t) and dN(t)</source>
        <extracomment>an axis title: the population size N and its change dN at time t</extracomment>
        <translation>N(t) et dN(t)</translation>
    </message>
    <message>
        <source>dN/N vs. N</source>
        <extracomment>the chart of the change dN per individual against the population size N: a chart title, and a button&apos;s caption</extracomment>
        <translation>dN/N=f(N)</translation>
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
        <translation>Analyse théorique (modèle logistique)</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis</source>
        <translation>Analyse théorique</translation>
    </message>
    <message>
        <source>dN</source>
        <extracomment>an axis title: the change dN of the population size</extracomment>
        <translation>dN</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis (exponential model)</source>
        <translation>Analyse théorique (modèle exponentiel)</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio</source>
        <translation>Coût et recette pour différents rapports prix/dépense (p/e)</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C et R</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio</source>
        <translation>Bénéfice net pour différents rapports prix/dépense</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Bénéfice</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio (exponential model)</source>
        <translation>Coût et recette pour différents rapports prix/dépense (p/e) (modèle exponentiel)</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio (exponential model)</source>
        <translation>Bénéfice net pour différents rapports prix/dépense (modèle exponentiel)</translation>
    </message>
    <message>
        <source>Large graph</source>
        <extracomment>the large graph window&apos;s caption</extracomment>
        <translation>Grand graphique</translation>
    </message>
    <message>
        <source>Graph</source>
        <extracomment>the caption of the frame round the chart</extracomment>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>N vs. t</source>
        <extracomment>a button: the chart of the population size N against time t</extracomment>
        <translation>N=f(t)</translation>
    </message>
    <message>
        <source>dN vs. t</source>
        <extracomment>a button: the chart of the change dN against time t</extracomment>
        <translation>dN=f(t)</translation>
    </message>
    <message>
        <source>N, dN vs. t</source>
        <extracomment>a button: the chart of N and dN against time t</extracomment>
        <translation>N, dN=f(t)</translation>
    </message>
    <message>
        <source>dN vs. N</source>
        <extracomment>a button: the chart of the change dN against the population size N</extracomment>
        <translation>dN=f(N)</translation>
    </message>
    <message>
        <source>lnN vs. t</source>
        <extracomment>a button: the chart of the logarithm of N against time t</extracomment>
        <translation>lnN=f(t)</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>a button: prints the window</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>a button: back to the main window</extracomment>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>a button: ends the program</extracomment>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Large graph: %1</source>
        <extracomment>the large graph window&apos;s caption while it shows a short message (%1)</extracomment>
        <translation>Grand graphique&#xa0;: %1</translation>
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
        <translation>Une touche ou un clic pour commencer.</translation>
    </message>
</context>
</TS>
