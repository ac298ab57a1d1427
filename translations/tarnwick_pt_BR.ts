<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Só quando a última árvore
for derrubada,
o último rio envenenado
e o último peixe pescado,
as pessoas vão descobrir
que dinheiro
não se come.</translation>
    </message>
    <message>
        <source>In loving memory of our teacher</source>
        <translation>Em memória do nosso querido professor</translation>
    </message>
    <message>
        <source>who taught us to harvest only what nature gives again</source>
        <translation>que nos ensinou a colher só o que a natureza repõe</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Questionário</translation>
    </message>
    <message>
        <source>Harvest theory</source>
        <translation>Teoria da colheita</translation>
    </message>
    <message>
        <source>What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory?</source>
        <translation>Quais são as consequências de criar uma população e fazer colheitas nela ignorando a teoria da colheita?</translation>
    </message>
    <message>
        <source>To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why.</source>
        <translation>Para manter uma cultura de bactérias úteis, você deve usar o modelo exponencial, o modelo logístico ou outro modelo? Explique por quê.</translation>
    </message>
    <message>
        <source>Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>Que outros fatores, além da taxa de crescimento e da capacidade de suporte, um modelo de criação em massa e colheita deveria levar em conta?</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <translation>Você está rico.</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <translation>Você ganha algum dinheiro.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <translation>Você é um perdedor.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <translation>Você vai à falência.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt,
you have to stay in jail.</source>
        <translation>Você não consegue pagar sua dívida,
tem de ficar na prisão.</translation>
    </message>
    <message>
        <source>1. What are the consequences of rearing a population and taking a harvest from it while ignoring harvest theory? 2. To keep a culture of useful bacteria, should you use the exponential model, the logistic model or another model? Explain why. 3. Which further factors, besides growth rate and carrying capacity, should a mass-rearing and harvest model take into account?</source>
        <translation>1. Quais são as consequências de criar uma população e fazer colheitas nela ignorando a teoria da colheita? 2. Para manter uma cultura de bactérias úteis, você deve usar o modelo exponencial, o modelo logístico ou outro modelo? Explique por quê. 3. Que outros fatores, além da taxa de crescimento e da capacidade de suporte, um modelo de criação em massa e colheita deveria levar em conta?</translation>
    </message>
    <message>
        <source>In loving memory of our teacher, who taught us to harvest only what nature gives again.</source>
        <translation>Em memória do nosso querido professor, que nos ensinou a colher só o que a natureza repõe.</translation>
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
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>The %1 series is one point, %2 at %3 %4.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, where</comment>
        <translation>A série %1 é um único ponto, %2 em %3 %4.</translation>
    </message>
    <message>
        <source>The %1 series stays at %2 from %3 %4 to %5.</source>
        <comment>series name, its value, the horizontal axis&apos;s title, from where, to where</comment>
        <translation>A série %1 permanece em %2 de %3 %4 a %5.</translation>
    </message>
    <message>
        <source>The %1 series stands at %2 %3, from %4 to %5.</source>
        <comment>series name, the horizontal axis&apos;s title, where, first value, last value</comment>
        <translation>A série %1 fica em %2 %3 e vai de %4 a %5.</translation>
    </message>
    <message>
        <source>The %1 series runs from %2 at %3 %4 to %5 at %3 %6; lowest %7, highest %8.</source>
        <comment>series name, first value, the horizontal axis&apos;s title, where, last value, where, lowest value, highest value</comment>
        <translation>A série %1 vai de %2 em %3 %4 a %5 em %3 %6; mínimo %7, máximo %8.</translation>
    </message>
    <message>
        <source>Nothing is drawn.</source>
        <translation>Nada é desenhado.</translation>
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
        <translation>Alguns valores grandes demais para desenhar foram omitidos.</translation>
    </message>
    <message>
        <source>%1 at N = %2 %3</source>
        <comment>the highest value, the population size there, and which curve (&quot;1012 at N = 220 for p/e=50&quot;)</comment>
        <translation>%1 em N = %2 %3</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <comment>what is listed, then the list</comment>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two items of a list read aloud: &quot;a, b and c&quot;</comment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Left and Right read the points of a series, Home and End its ends, Page Up and Page Down ten points forward or back; Up and Down go to the next or the previous series; Escape ends the reading. Enter or a click shows the next chart; the menu key or a right click copies or saves it.</source>
        <translation>As setas para a esquerda e para a direita leem os pontos de uma série, Home e End vão às suas extremidades, Page Up e Page Down avançam ou recuam dez pontos; as setas para cima e para baixo vão para a série seguinte ou a anterior; Esc encerra a leitura. Enter ou um clique mostra o próximo gráfico; a tecla de menu ou um clique com o botão direito copia ou salva o gráfico.</translation>
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
        <translation>com colheita</translation>
    </message>
    <message>
        <source>harvest rate</source>
        <translation>taxa de colheita</translation>
    </message>
    <message>
        <source>N(t) (harvested)</source>
        <translation>N(t) (com colheita)</translation>
    </message>
    <message>
        <source>dN(t) (harvested)</source>
        <translation>dN(t) (com colheita)</translation>
    </message>
    <message>
        <source>unstable</source>
        <translation>instável</translation>
    </message>
    <message>
        <source>stable</source>
        <translation>estável</translation>
    </message>
    <message>
        <source>cost</source>
        <translation>custo</translation>
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
        <translation>Esta simulação já está guardada</translation>
    </message>
    <message>
        <source>Run kept to compare (%1 of %2)</source>
        <translation>Simulação guardada para comparar (%1 de %2)</translation>
    </message>
    <message>
        <source>Kept runs forgotten</source>
        <translation>Simulações guardadas descartadas</translation>
    </message>
    <message>
        <source>needs a run of the logistic model</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>requer uma simulação do modelo logístico</translation>
    </message>
    <message>
        <source>not defined unless K &gt; 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>só é definido se K &gt; 0</translation>
    </message>
    <message>
        <source>The harvested population dies out at time %1.</source>
        <translation>A população com colheita se extingue no tempo %1.</translation>
    </message>
    <message>
        <source>The curves are not drawn: %1.</source>
        <translation>As curvas não são desenhadas: %1.</translation>
    </message>
    <message>
        <source>The original population follows the exact solution of the model, the harvested one is computed step by step, so with H = 0 the two differ slightly.</source>
        <translation>A população original segue a solução exata do modelo, e a população com colheita é calculada passo a passo; por isso, com H = 0, as duas diferem ligeiramente.</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>valores grandes demais para desenhar</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0.</source>
        <translation>Taxa de colheita %1; sem equilíbrio, r = 0.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Taxa de colheita %1; sem equilíbrio: H &gt; rK/4, a população com colheita se extingue.</translation>
    </message>
    <message>
        <source>Harvest rate %1; the two equilibria meet at N = %2: a smaller population dies out.</source>
        <translation>Taxa de colheita %1; os dois equilíbrios se encontram em N = %2: uma população menor se extingue.</translation>
    </message>
    <message>
        <source>Harvest rate %1; unstable equilibrium at N = %2, stable at N = %3.</source>
        <translation>Taxa de colheita %1; equilíbrio instável em N = %2, estável em N = %3.</translation>
    </message>
    <message>
        <source>Harvest rate %1; no equilibrium, r = 0: the harvested population dies out.</source>
        <translation>Taxa de colheita %1; sem equilíbrio, r = 0: a população com colheita se extingue.</translation>
    </message>
    <message>
        <source>Harvest rate %1; one equilibrium, unstable, at N = %2: a larger population grows, a smaller one dies out.</source>
        <translation>Taxa de colheita %1; um equilíbrio, instável, em N = %2: uma população maior cresce, uma menor se extingue.</translation>
    </message>
    <message>
        <source>no equilibrium, r = 0</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>sem equilíbrio, r = 0</translation>
    </message>
    <message>
        <source>no equilibrium, H &gt; rK/4</source>
        <comment>why a chart draws nothing, after its title</comment>
        <translation>sem equilíbrio, H &gt; rK/4</translation>
    </message>
    <message>
        <source>The largest harvest with an equilibrium, the maximum sustainable yield, is rK/4 = %1, reached at N = K/2 = %2; with H above it there is no equilibrium.</source>
        <translation>A maior colheita com equilíbrio, o rendimento máximo sustentável, é rK/4 = %1, atingida em N = K/2 = %2; com H acima disso não há equilíbrio.</translation>
    </message>
    <message>
        <source>the maximum sustainable yield, rK/4 = %1</source>
        <comment>said of the point at the top of the growth curve</comment>
        <translation>o rendimento máximo sustentável, rK/4 = %1</translation>
    </message>
    <message>
        <source>%1 at N = %2</source>
        <comment>a revenue curve and where it crosses the cost (&quot;R (p/e=50) at N = 466.7&quot;)</comment>
        <translation>%1 em N = %2</translation>
    </message>
    <message>
        <source>Revenue crosses the cost: %1.</source>
        <translation>A receita cruza o custo: %1.</translation>
    </message>
    <message>
        <source>%1 never rises above the cost.</source>
        <comment>one revenue curve</comment>
        <translation>%1 nunca fica acima do custo.</translation>
    </message>
    <message>
        <source>%1 never rise above the cost.</source>
        <comment>a list of revenue curves</comment>
        <translation>%1 nunca ficam acima do custo.</translation>
    </message>
    <message>
        <source>for p/e=%1</source>
        <translation>para p/e=%1</translation>
    </message>
    <message>
        <source>Highest net profit</source>
        <translation>Lucro líquido máximo</translation>
    </message>
    <message>
        <source>Keep this run for comparison</source>
        <translation>Guardar esta simulação para comparar</translation>
    </message>
    <message>
        <source>K keeps this run for comparison.</source>
        <translation>K guarda esta simulação para comparação.</translation>
    </message>
    <message>
        <source>Forget kept runs</source>
        <translation>Descartar simulações guardadas</translation>
    </message>
    <message>
        <source>Save handout…</source>
        <translation>Salvar resumo…</translation>
    </message>
    <message>
        <source>Ctrl+H saves a handout of the run.</source>
        <translation>Ctrl+H salva um resumo da simulação.</translation>
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
        <translation>argumento desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>two lesson files, &apos;%1&apos; and &apos;%2&apos;; give one</source>
        <translation>dois arquivos de aula, &apos;%1&apos; e &apos;%2&apos;; indique só um</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 foi dado duas vezes</translation>
    </message>
    <message>
        <source>%1: the model is logistic or exponential</source>
        <translation>%1: o modelo é logistic ou exponential</translation>
    </message>
    <message>
        <source>%1: the seed is a whole number from 0 to %2</source>
        <translation>%1: a semente é um número inteiro de 0 a %2</translation>
    </message>
    <message>
        <source>%1: the languages are %2</source>
        <translation>%1: os idiomas são %2</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 não é um número</translation>
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
        <translation>Tarnwick (Basic): um programa didático sobre teoria da colheita em ecologia de populações.
Iniciado sem argumentos, ele abre suas janelas; tudo é feito nelas.
Um arquivo de aula ou as opções abaixo o iniciam com o modelo e os valores de um professor,
como se um aluno tivesse digitado cada um em sua caixa na janela principal e pressionado
Enter; o que as caixas corrigem é informado na saída de erro padrão.

      --model M  o modelo: logistic ou exponential
      --n0 N     o tamanho inicial da população N(0)
      --r R      a taxa intrínseca r
      --k K      a capacidade de suporte K (só no modelo logístico)
      --h H      a colheita H por intervalo de tempo
      --t T      a duração da simulação
      --seed S   os negócios aleatórios do jogo, os mesmos a cada início e
                 em qualquer máquina (um número inteiro de 0 a 4294967295)
      --lang L   o idioma, em vez do idioma do ambiente: %1
  -h, --help     mostra esta ajuda e sai
      --version  mostra a versão e sai

Cada opção também pode ser escrita --opção=valor; o valor de uma opção prevalece
sobre o do arquivo de aula. Um arquivo de aula (*.tarnwick) é salvo com Salvar aula...
(Ctrl+S) na janela principal, ou escrito à mão: veja man tarnwick.

Sem tela, execute-o em uma tela virtual: xvfb-run tarnwick
</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>%1; see tarnwick --help</source>
        <translation>%1; veja tarnwick --help</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Basic Tarnwick Theory</source>
        <extracomment>the main window&apos;s caption</extracomment>
        <translation>Teoria Tarnwick básica</translation>
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
Instituto de Ecologia de Populações
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
        <translation>Pressione Enter ou clique em RODAR para iniciar a simulação.  
Clique no gráfico para trocar de gráfico.
Se alterar os valores padrão, pressione Enter para confirmar a alteração.  
Comentários e sugestões são bem-vindos (e-mail para tarnwick@example.org).</translation>
    </message>
    <message>
        <source>Save lesson…</source>
        <extracomment>a command of the chart&apos;s menu: saves the model and the parameters to a lesson file</extracomment>
        <translation>Salvar aula…</translation>
    </message>
    <message>
        <source>Ctrl+S saves the model and the parameters as a lesson.</source>
        <translation>Ctrl+S salva o modelo e os parâmetros como uma aula.</translation>
    </message>
    <message>
        <source>Open lesson…</source>
        <extracomment>a command of the chart&apos;s menu: opens a lesson file</extracomment>
        <translation>Abrir aula…</translation>
    </message>
    <message>
        <source>Ctrl+O opens a lesson.</source>
        <translation>Ctrl+O abre uma aula.</translation>
    </message>
    <message>
        <source>No run yet: nothing to hand out</source>
        <translation>Nenhuma simulação ainda: nada para o resumo</translation>
    </message>
    <message>
        <source>%1: left out, the exponential model has none</source>
        <extracomment>a lesson&apos;s value for a box the exponential model locks; %1 names the box&apos;s quantity (&quot;K&quot;)</extracomment>
        <translation>%1: omitido, o modelo exponencial não o tem</translation>
    </message>
    <message>
        <source>%1: %2 became %3</source>
        <extracomment>a lesson&apos;s value that Enter corrected: &quot;K: 0 became 500&quot;; %1 names the box&apos;s quantity, %2 is the lesson&apos;s value, %3 the value in the box now</extracomment>
        <translation>%1: %2 passou a %3</translation>
    </message>
    <message>
        <source>Lesson not saved: %1</source>
        <extracomment>%1 says why the lesson could not be saved</extracomment>
        <translation>Aula não salva: %1</translation>
    </message>
    <message>
        <source>Tarnwick lesson (*.tarnwick)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Aula do Tarnwick (*.tarnwick)</translation>
    </message>
    <message>
        <source>Save lesson</source>
        <extracomment>the caption of the file dialog that saves a lesson</extracomment>
        <translation>Salvar aula</translation>
    </message>
    <message>
        <source>Lesson saved</source>
        <translation>Aula salva</translation>
    </message>
    <message>
        <source>Lesson not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Aula não salva: não é possível gravar %1</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <extracomment>a file type of the file dialogs: the pattern in brackets stays as it is</extracomment>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open lesson</source>
        <extracomment>the caption of the file dialog that opens a lesson</extracomment>
        <translation>Abrir aula</translation>
    </message>
    <message>
        <source>Lesson opened: %1</source>
        <extracomment>%1 is the name of the lesson file</extracomment>
        <translation>Aula aberta: %1</translation>
    </message>
    <message>
        <source>Population size :</source>
        <extracomment>the caption of the result field before a run: the final population size without harvest</extracomment>
        <translation>Tamanho da população:</translation>
    </message>
    <message>
        <source>Up and Down change %1 by %2, Page Up and Page Down by %3</source>
        <extracomment>the tooltip of a parameter box; %1 is what the box holds (&quot;H&quot;, &quot;the run length&quot;), %2 one step, %3 ten steps</extracomment>
        <translation>As setas para cima e para baixo mudam %1 em %2; Page Up e Page Down, em %3</translation>
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
        <translation>Modelo exponencial: dN/dt=rN-H</translation>
    </message>
    <message>
        <source>Logistic growth: dN/dt=rN(1-N/K)-H</source>
        <extracomment>a model option; the formula may stay as it is</extracomment>
        <translation>Modelo logístico: dN/dt=rN(1-N/K)-H</translation>
    </message>
    <message>
        <source>r: growth rate, K: carrying capacity</source>
        <extracomment>the symbols of the model options: r and K stay as they are</extracomment>
        <translation>r: taxa de crescimento, K: cap. de suporte</translation>
    </message>
    <message>
        <source>H: harvest rate per time interval</source>
        <extracomment>the symbol of the model options: H stays as it is</extracomment>
        <translation>H: colheita por intervalo de tempo</translation>
    </message>
    <message>
        <source>More ...</source>
        <extracomment>the button that opens the introduction to the theory</extracomment>
        <translation>Mais ...</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>the button that opens the harvest game</extracomment>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Play game</source>
        <translation>Jogar</translation>
    </message>
    <message>
        <source>Quiz</source>
        <extracomment>the tooltip of the picture button that opens the quiz</extracomment>
        <translation>Questionário</translation>
    </message>
    <message>
        <source>Parameters and data</source>
        <translation>Parâmetros e dados</translation>
    </message>
    <message>
        <source>Intrinsic rate (r):</source>
        <extracomment>the label of the box of the growth rate r</extracomment>
        <translation>Taxa intrínseca (r):</translation>
    </message>
    <message>
        <source>Initial population size N(0):</source>
        <translation>População inicial N(0):</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Capacidade de suporte (K):</translation>
    </message>
    <message>
        <source>Harvest rate/time interval:</source>
        <extracomment>the label of the box of the harvest rate H</extracomment>
        <translation>Taxa de colheita/intervalo:</translation>
    </message>
    <message>
        <source>Run for t = 1 to t =</source>
        <extracomment>the label of the box of the run length: the last time step t the model runs to</extracomment>
        <translation>Simular de t = 1 a t =</translation>
    </message>
    <message>
        <source>Final population size (harvested):</source>
        <translation>População final (com colheita):</translation>
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
        <translation>RODAR</translation>
    </message>
    <message>
        <source>Run simulation</source>
        <translation>Rodar a simulação</translation>
    </message>
    <message>
        <source>Large graph</source>
        <extracomment>the button that opens the large graph window</extracomment>
        <translation>Gráfico grande</translation>
    </message>
    <message>
        <source>Show more detail in large graph</source>
        <translation>Mostrar mais detalhes no gráfico grande</translation>
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
        <translation>Imprimir esta janela</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>the button that ends the program</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Quit this program</source>
        <translation>Sair deste programa</translation>
    </message>
    <message>
        <source>Author</source>
        <extracomment>the caption of the frame round the author&apos;s portrait and address</extracomment>
        <translation>Autor</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>the tooltip of the portrait, which opens the instructions: how to use the program</extracomment>
        <translation>Como usar</translation>
    </message>
    <message>
        <source>Final population size (without harvest)</source>
        <translation>Tamanho final da população (sem colheita)</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Retrato do autor</translation>
    </message>
    <message>
        <source>Not run: t is not a whole number from 1 to %1</source>
        <extracomment>why RUN did not run; t is the run length, %1 the longest run</extracomment>
        <translation>Não executado: t não é um número inteiro de 1 a %1</translation>
    </message>
    <message>
        <source>Enter a run length from 1 to %1</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run</extracomment>
        <translation>Digite uma duração de 1 a %1</translation>
    </message>
    <message>
        <source>Not run: N(0) is negative</source>
        <extracomment>why RUN did not run: the initial population size N(0) is below 0</extracomment>
        <translation>Não executado: N(0) é negativo</translation>
    </message>
    <message>
        <source>Enter N(0) of 0 or more</source>
        <translation>Digite N(0) igual ou maior que 0</translation>
    </message>
    <message>
        <source>Not run: r is negative</source>
        <extracomment>why RUN did not run: the growth rate r is below 0</extracomment>
        <translation>Não executado: r é negativo</translation>
    </message>
    <message>
        <source>Enter r of 0 or more</source>
        <translation>Digite r igual ou maior que 0</translation>
    </message>
    <message>
        <source>Not run: H is negative</source>
        <extracomment>why RUN did not run: the harvest rate H is below 0</extracomment>
        <translation>Não executado: H é negativo</translation>
    </message>
    <message>
        <source>Enter H of 0 or more</source>
        <translation>Digite H igual ou maior que 0</translation>
    </message>
    <message>
        <source>Not run: K is not above 0</source>
        <extracomment>why RUN did not run: the carrying capacity K is 0 or below</extracomment>
        <translation>Não executado: K não é maior que 0</translation>
    </message>
    <message>
        <source>Enter K greater than 0</source>
        <translation>Digite K maior que 0</translation>
    </message>
    <message>
        <source>Not run: N(t) grows too large</source>
        <extracomment>why RUN did not run: the population N(t) grows past what can be computed</extracomment>
        <translation>Não executado: N(t) cresce demais</translation>
    </message>
    <message>
        <source>Run for t = 1 to %1 at most</source>
        <extracomment>what to change so that RUN runs; %1 is the longest run that can be computed</extracomment>
        <translation>Simule de t = 1 até no máximo %1</translation>
    </message>
    <message>
        <source>Use a smaller N(0) or r</source>
        <extracomment>what to change so that RUN runs: the initial population size N(0) or the growth rate r</extracomment>
        <translation>Use N(0) ou r menor</translation>
    </message>
    <message>
        <source>Without harvest, N(%1)=</source>
        <extracomment>the caption of the final population size without harvest; %1 is the last time step t: &quot;Without harvest, N(65)=&quot;</extracomment>
        <translation>Sem colheita, N(%1)=</translation>
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
        <translation>O que mudar:</translation>
    </message>
    <message>
        <source>%1 %2. %3</source>
        <extracomment>what a screen reader says after a step of a box: %1 names the box&apos;s quantity (&quot;H&quot;, &quot;The run length&quot;), %2 is its new value, %3 the results of the run</extracomment>
        <translation>%1 %2. %3</translation>
    </message>
    <message>
        <source>N(t) vs. time</source>
        <translation>N(t) vs. tempo</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>dN(t) vs. time</source>
        <translation>dN(t) vs. tempo</translation>
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
        <translation>lnN(t) vs. tempo</translation>
    </message>
    <message>
        <source>lnN</source>
        <extracomment>an axis title: the natural logarithm of the population size N</extracomment>
        <translation>lnN</translation>
    </message>
    <message>
        <source>N and dN(t) vs. time</source>
        <translation>N e dN(t) vs. tempo</translation>
    </message>
    <message>
        <source>N and dN</source>
        <extracomment>an axis title: the population size N and its change dN</extracomment>
        <translation>N e dN</translation>
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
        <translation>Custo e receita vs. N</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C e R</translation>
    </message>
    <message>
        <source>Net profit vs. N (p/e = 50, 20, 10, 5)</source>
        <extracomment>a chart title; p/e is the ratio of the price of the harvest to its expense</extracomment>
        <translation>Lucro líquido vs. N (p/e = 50, 20, 10, 5)</translation>
    </message>
    <message>
        <source>Net profit vs. N</source>
        <translation>Lucro líquido vs. N</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Lucro</translation>
    </message>
    <message>
        <source>Cost and Revenue vs. N (exponential model)</source>
        <translation>Custo e receita vs. N (modelo exponencial)</translation>
    </message>
    <message>
        <source>Net profit vs. N (exponential model)</source>
        <translation>Lucro líquido vs. N (modelo exponencial)</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Game</source>
        <extracomment>the caption of the harvest game&apos;s window</extracomment>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Can you make profit from a mass rearing program?</source>
        <translation>Você consegue lucrar com uma criação em massa?</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>the title of the frame where the student chooses the growth model</extracomment>
        <translation>Opção</translation>
    </message>
    <message>
        <source>Exponential growth:  dN/dt = r N - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (N population, r growth rate, H harvest rate)</extracomment>
        <translation>Modelo exponencial:  dN/dt = r N - H</translation>
    </message>
    <message>
        <source>Logistic growth:  dN/dt = r N (1-N/K) - H</source>
        <extracomment>a growth model; the formula is the model&apos;s equation (K carrying capacity)</extracomment>
        <translation>Modelo logístico:  dN/dt = r N (1-N/K) - H</translation>
    </message>
    <message>
        <source> Rearing program</source>
        <extracomment>the title of the frame holding the business&apos;s figures; the leading space keeps it off the frame&apos;s corner</extracomment>
        <translation> Programa de criação</translation>
    </message>
    <message>
        <source>Simulation stopped at t =</source>
        <extracomment>a result: the day (t) the simulated business stopped; its number follows</extracomment>
        <translation>Simulação parou em t =</translation>
    </message>
    <message>
        <source>Final population size N(t):</source>
        <translation>População final N(t):</translation>
    </message>
    <message>
        <source>Final capital (Z):</source>
        <extracomment>a result: the money the business has at its end, called Z</extracomment>
        <translation>Capital final (Z):</translation>
    </message>
    <message>
        <source>Net profit:</source>
        <translation>Lucro líquido:</translation>
    </message>
    <message>
        <source>Minimum living expense:</source>
        <extracomment>a result: what the student would have needed to live on over the same days</extracomment>
        <translation>Custo mínimo de vida:</translation>
    </message>
    <message>
        <source>Daily cost = N(i) * E + L * I</source>
        <extracomment>how the game counts a day&apos;s cost: N(i) the stock on day i, E the expense per individual, L the loan, I the interest rate</extracomment>
        <translation>Custo diário = N(i) * E + L * I</translation>
    </message>
    <message>
        <source>(E: rearing expense per individual)</source>
        <translation>(E: custo de criação por indivíduo)</translation>
    </message>
    <message>
        <source>Daily profit = H * P</source>
        <extracomment>how the game counts a day&apos;s profit: H the harvest rate, P the price per harvested</extracomment>
        <translation>Lucro diário = H * P</translation>
    </message>
    <message>
        <source>Net profit = A-Sum(Daily cost)+Sum(Daily profit)-L</source>
        <extracomment>how the game counts the net profit: A the initial capital, L the loan; &quot;Daily cost&quot; and &quot;Daily profit&quot; should read as in the two lines above</extracomment>
        <translation>Lucro líquido = A-Σ(Custo diário)+Σ(Lucro diário)-L</translation>
    </message>
    <message>
        <source>You Make Some Money.</source>
        <extracomment>a verdict of the game: the business made some profit</extracomment>
        <translation>Você ganha algum dinheiro.</translation>
    </message>
    <message>
        <source>You are a Loser.</source>
        <extracomment>a verdict of the game: the business lost money</extracomment>
        <translation>Você é um perdedor.</translation>
    </message>
    <message>
        <source>You can&apos;t pay your debt, you have to stay in jail.</source>
        <extracomment>a verdict of the game: the business ends deeper in debt than the student can pay</extracomment>
        <translation>Você não consegue pagar sua dívida, tem de ficar na prisão.</translation>
    </message>
    <message>
        <source>You go broke.</source>
        <extracomment>a verdict of the game: the business lost all its capital</extracomment>
        <translation>Você vai à falência.</translation>
    </message>
    <message>
        <source>You are rich.</source>
        <extracomment>a verdict of the game: the business made a large profit</extracomment>
        <translation>Você está rico.</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the instruction panel</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source> Examples </source>
        <extracomment>the title of the frame of example businesses; the spaces keep it off the frame&apos;s lines</extracomment>
        <translation> Exemplos </translation>
    </message>
    <message>
        <source>Richmen</source>
        <extracomment>an example business that makes its owner rich</extracomment>
        <translation>Ricos</translation>
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
        <translation>Perda</translation>
    </message>
    <message>
        <source>Broke</source>
        <extracomment>an example business that goes broke</extracomment>
        <translation>Falido</translation>
    </message>
    <message>
        <source>Jail</source>
        <extracomment>an example business whose owner ends in jail for debt</extracomment>
        <translation>Prisão</translation>
    </message>
    <message>
        <source>Run</source>
        <extracomment>runs the game&apos;s simulation with the figures in the boxes</extracomment>
        <translation>Rodar</translation>
    </message>
    <message>
        <source>Random data</source>
        <extracomment>fills the boxes of the business with figures drawn at random</extracomment>
        <translation>Sortear</translation>
    </message>
    <message>
        <source>How to</source>
        <extracomment>shows the game&apos;s instructions again</extracomment>
        <translation>Como usar</translation>
    </message>
    <message>
        <source>Main form</source>
        <extracomment>closes the game and goes back to the program&apos;s main window</extracomment>
        <translation>Principal</translation>
    </message>
    <message>
        <source>Instructions</source>
        <extracomment>the name a screen reader gives the panel with the game&apos;s instructions and messages</extracomment>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Click RUN to try your strategy. If you change any default value, press ENTER to confirm change. 
You have to make more money than the minimum living expense in order to survive.
If you try RANDOM DATA, you have to fill all data of blue boxes, then press ENTER. 
Good luck!</source>
        <extracomment>the game&apos;s instructions, one paragraph per line; RUN and RANDOM DATA are the buttons &quot;Run&quot; and &quot;Random data&quot;, ENTER the key</extracomment>
        <translation>Clique em RODAR para testar sua estratégia. Se mudar um valor padrão, tecle ENTER para confirmar. 
Você precisa ganhar mais que o custo mínimo de vida para sobreviver.
Se clicar em SORTEAR, preencha todas as caixas azuis e tecle ENTER. 
Boa sorte!</translation>
    </message>
    <message>
        <source>Drawn at random: fixed until the next run</source>
        <extracomment>the tooltip of a box &quot;Random data&quot; filled; it cannot be edited until &quot;Run&quot;</extracomment>
        <translation>Sorteado: fixo até a próxima simulação</translation>
    </message>
    <message>
        <source>Not run: how long in business (t) must be from 0 to %1 days.</source>
        <extracomment>a refusal of &quot;Run&quot;; %1 is the longest run in days</extracomment>
        <translation>Não executado: o tempo no negócio (t) deve ser de 0 a %1 dias.</translation>
    </message>
    <message>
        <source>Not run: the logistic model needs a carrying capacity (K) greater than 0.</source>
        <extracomment>a refusal of &quot;Run&quot;</extracomment>
        <translation>Não executado: o modelo logístico precisa de uma capacidade de suporte (K) maior que 0.</translation>
    </message>
    <message>
        <source>The stock grew too large to count after day %1: the business stopped there.</source>
        <extracomment>%1 is the last day the simulation could count</extracomment>
        <translation>O estoque cresceu demais para ser contado após o dia %1: o negócio parou ali.</translation>
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
        <translation>Sorteado: %1. Agora preencha a taxa de colheita, o empréstimo e o tempo no negócio, e pressione Enter.</translation>
    </message>
</context>
<context>
    <name>GameEntry</name>
    <message>
        <source>Initial population size N(0):</source>
        <translation>População inicial N(0):</translation>
    </message>
    <message>
        <source>Carrying capacity (K):</source>
        <translation>Capacidade de suporte (K):</translation>
    </message>
    <message>
        <source>Growth rate (r):</source>
        <translation>Taxa de crescimento (r):</translation>
    </message>
    <message>
        <source>Expense per individual (E):</source>
        <translation>Custo por indivíduo (E):</translation>
    </message>
    <message>
        <source>Initial capital (A):</source>
        <translation>Capital inicial (A):</translation>
    </message>
    <message>
        <source>Harvest rate per day (H):</source>
        <translation>Taxa de colheita/dia (H):</translation>
    </message>
    <message>
        <source>Price per harvested (P):</source>
        <translation>Preço por unidade (P):</translation>
    </message>
    <message>
        <source>Loan (L):</source>
        <translation>Empréstimo (L):</translation>
    </message>
    <message>
        <source>Interest rate (I):</source>
        <translation>Taxa de juros (I):</translation>
    </message>
    <message>
        <source>How long in business (t):</source>
        <translation>Tempo no negócio (t):</translation>
    </message>
</context>
<context>
    <name>Handout</name>
    <message>
        <source>Tarnwick (Basic): handout of a run%1</source>
        <extracomment>the title of the handout&apos;s PDF file; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>Tarnwick (Basic): resumo de uma simulação%1</translation>
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
        <translation>Tarnwick (Basic): teoria da colheita, uma simulação</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <extracomment>the first line under the handout&apos;s heading; %1 is today&apos;s date</extracomment>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>Save handout</source>
        <extracomment>the caption of the file dialog that saves the handout</extracomment>
        <translation>Salvar resumo</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <extracomment>a file type of the file dialog: the pattern in brackets stays as it is</extracomment>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Handout saved</source>
        <translation>Resumo salvo</translation>
    </message>
    <message>
        <source>Handout not saved: %1 cannot be written</source>
        <extracomment>%1 is the path of the file</extracomment>
        <translation>Resumo não salvo: não é possível gravar %1</translation>
    </message>
</context>
<context>
    <name>Howto</name>
    <message>
        <source>Howto</source>
        <extracomment>the caption of the window with the instructions: how to use the program</extracomment>
        <translation>Como usar</translation>
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
        <translation>Clique no gráfico para trocar de gráfico.
Clique em uma caixa de parâmetro para mudar o valor padrão e pressione Enter para confirmar a mudança.
Clique em Gráfico grande para ver o gráfico grande com legendas.
Clique em Jogo para jogar o jogo da colheita. (Ele testa seu conhecimento sobre a teoria da colheita.)
Clique em Impr. para imprimir a tela. (Se sua impressora não estiver conectada à LPT1, você pode ter dificuldades.)

Comentários e sugestões são bem-vindos.
Envie-os por e-mail para tarnwick@example.org.</translation>
    </message>
</context>
<context>
    <name>Introfrm</name>
    <message>
        <source>Introduction</source>
        <extracomment>the caption of the window with the introduction to harvest theory, and the name of the box that shows it</extracomment>
        <translation>Introdução</translation>
    </message>
    <message>
        <source>Understanding harvest to maintain and sustain a reasonable quality of human life.</source>
        <translation>Entender a colheita para manter e sustentar uma qualidade de vida humana razoável.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the button that opens the list of references</extracomment>
        <translation>Referências</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes the introduction</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Both the exponential growth and the Verhulst-Pearl logistic growth are the simplest forms of population growth model. The logistic growth assumes that the birth rate decreases as the density increases, while the death rate increases with the increase of density. It introduces the important concept of &quot;carrying capacity&quot; (K). Is the exponential growth more realistic? Or the logistic one? Most microorganisms will follow the exponential growth at the beginning. In the microbiological laboratory, the students carry out experiments to find out the exponential growth rate using  lnN(t)=lnN(0)+rt. If you plot the growth of a bacteria population, you will find that they don&apos;t follow the logistic model. Many decades ago, one of the first students of population growth already warned that a blind use of the logistic equation is meaningless. The harvest is an important topic in ecology. If a population follows the exponential growth and a constant number is harvested each time interval, then the growth can be described as dN/dt=rN-H, where r is the intrinsic growth rate and H is the harvest rate. With an initial population N(0), we can calculate the population growth under the influence of harvest. If r*N(0)-H&gt;0, the population will grow exponentially. If r*N(0)-H=0, the population size will remain N(0). If r*N(0)-H&lt;0, the population will decrease to zero under the influence of harvest. Therefore, the harvest rate H which satisfies r*N(0)-H&gt;=0 is dependent on r and N(0). For specific r, the maximal sustainable harvest rate is proportinal to N(0). The larger N(0) gives larger harvest rate. For the logistic growth, the growth under harvest can be described as dN/dt=rN(1-N/K)-H. If r*N(0)*(1-N(0)/K)-H&gt;0, the population will increase under the constant harvest rate H. If r*N(0)*(1-N(0)/K)-H=0, the population will remain constant. If r*N(0)*(1-N(0)/K)-H&lt;0, it will decrease. The harvest rate H which satisfies r*N(0)*(1-N(0)/K)-H&gt;=0 depends on r, N(0), and K. For given r and K, the maximal sustainable harvest rate is not linearly proportional to N(0). However, this is only the simple model. For more realistic model, you should learn the harvest theory based on the age-specific life table. You are welcome to try a companion program that teaches the harvest theory based on the life table. </source>
        <extracomment>the introduction, one paragraph; the formulas may stay as they are</extracomment>
        <translation>Tanto o crescimento exponencial quanto o crescimento logístico de Verhulst-Pearl são as formas mais simples de modelo de crescimento populacional. O crescimento logístico supõe que a taxa de natalidade diminui à medida que a densidade aumenta, enquanto a taxa de mortalidade aumenta com o aumento da densidade. Ele introduz o importante conceito de &quot;capacidade de suporte&quot; (K). O crescimento exponencial é mais realista? Ou o logístico? A maioria dos microrganismos segue o crescimento exponencial no início. No laboratório de microbiologia, os alunos fazem experimentos para determinar a taxa de crescimento exponencial usando  lnN(t)=lnN(0)+rt. Se você fizer o gráfico do crescimento de uma população de bactérias, verá que ela não segue o modelo logístico. Há muitas décadas, um dos primeiros estudiosos do crescimento populacional já advertia que o uso cego da equação logística não tem sentido. A colheita é um tema importante em ecologia. Se uma população segue o crescimento exponencial e um número constante de indivíduos é colhido a cada intervalo de tempo, o crescimento pode ser descrito por dN/dt=rN-H, em que r é a taxa intrínseca de crescimento e H é a taxa de colheita. Com uma população inicial N(0), podemos calcular o crescimento da população sob a influência da colheita. Se r*N(0)-H&gt;0, a população crescerá exponencialmente. Se r*N(0)-H=0, o tamanho da população permanecerá N(0). Se r*N(0)-H&lt;0, a população diminuirá até zero sob a influência da colheita. Portanto, a taxa de colheita H que satisfaz r*N(0)-H&gt;=0 depende de r e de N(0). Para um r específico, a taxa máxima de colheita sustentável é proporcional a N(0). Um N(0) maior permite uma taxa de colheita maior. Para o crescimento logístico, o crescimento sob colheita pode ser descrito por dN/dt=rN(1-N/K)-H. Se r*N(0)*(1-N(0)/K)-H&gt;0, a população aumentará sob a taxa de colheita constante H. Se r*N(0)*(1-N(0)/K)-H=0, a população permanecerá constante. Se r*N(0)*(1-N(0)/K)-H&lt;0, ela diminuirá. A taxa de colheita H que satisfaz r*N(0)*(1-N(0)/K)-H&gt;=0 depende de r, N(0) e K. Para r e K dados, a taxa máxima de colheita sustentável não é linearmente proporcional a N(0). No entanto, este é apenas o modelo simples. Para um modelo mais realista, você deve estudar a teoria da colheita baseada na tabela de vida por idade. Experimente também um programa complementar que ensina a teoria da colheita com base na tabela de vida. </translation>
    </message>
</context>
<context>
    <name>Lesson</name>
    <message>
        <source>is not UTF-8 text; save the file as UTF-8</source>
        <translation>não é texto UTF-8; salve o arquivo como UTF-8</translation>
    </message>
    <message>
        <source>holds control characters; a lesson file is plain text</source>
        <translation>contém caracteres de controle; um arquivo de aula é texto simples</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 não é um número</translation>
    </message>
    <message>
        <source>%1 is below 0</source>
        <translation>%1 é menor que 0</translation>
    </message>
    <message>
        <source>%1 is not above 0</source>
        <translation>%1 não é maior que 0</translation>
    </message>
    <message>
        <source>%1 is not a whole number from 1 to %2</source>
        <translation>%1 não é um número inteiro de 1 a %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a section line (no closing ])</source>
        <translation>%1 não é uma linha de seção (falta o ] de fechamento)</translation>
    </message>
    <message>
        <source>%1 is not a section this program reads ([lesson])</source>
        <translation>%1 não é uma seção que este programa lê ([lesson])</translation>
    </message>
    <message>
        <source>a second [lesson] section</source>
        <translation>uma segunda seção [lesson]</translation>
    </message>
    <message>
        <source>%1 is not a line of the form key = value</source>
        <translation>%1 não é uma linha da forma chave = valor</translation>
    </message>
    <message>
        <source>%1 is outside the [lesson] section</source>
        <translation>%1 está fora da seção [lesson]</translation>
    </message>
    <message>
        <source>no key before =</source>
        <translation>nenhuma chave antes de =</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 aparece duas vezes</translation>
    </message>
    <message>
        <source>version has no value</source>
        <translation>version não tem valor</translation>
    </message>
    <message>
        <source>model = %1 is not logistic or exponential</source>
        <translation>model = %1 não é logistic nem exponential</translation>
    </message>
    <message>
        <source>the exponential model has no K, but line %1 gives one</source>
        <translation>o modelo exponencial não tem K, mas a linha %1 informa um</translation>
    </message>
    <message>
        <source>unknown key %1; a lesson has version, model, n0, r, K, H, T</source>
        <translation>chave desconhecida %1; uma aula tem version, model, n0, r, K, H, T</translation>
    </message>
    <message>
        <source>%1 has no value</source>
        <translation>%1 não tem valor</translation>
    </message>
    <message>
        <source>%1, but the exponential model has no K</source>
        <translation>%1, mas o modelo exponencial não tem K</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>version %1 is not one this program reads (%2)</source>
        <translation>a versão %1 não é lida por este programa (%2)</translation>
    </message>
    <message>
        <source>no [lesson] section</source>
        <translation>nenhuma seção [lesson]</translation>
    </message>
    <message>
        <source>the [lesson] section has no version = 1</source>
        <translation>a seção [lesson] não tem version = 1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>não pode ser lido: %1</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo não encontrado</translation>
    </message>
    <message>
        <source>is a folder, not a lesson file</source>
        <translation>é uma pasta, não um arquivo de aula</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>is larger than a lesson file can be (%1 KiB)</source>
        <translation>é maior do que um arquivo de aula pode ser (%1 KiB)</translation>
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
        <translation>a duração da simulação</translation>
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
        <translation>Impressão cancelada</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Impresso</translation>
    </message>
    <message>
        <source>Printing failed</source>
        <translation>Falha na impressão</translation>
    </message>
</context>
<context>
    <name>Prophecy</name>
    <message>
        <source>Prophecy</source>
        <extracomment>the caption of the window with the proverb picture</extracomment>
        <translation>Profecia</translation>
    </message>
    <message>
        <source>Only when the last tree has been cut down, the last river poisoned and the last fish caught, will people find that money cannot be eaten.</source>
        <extracomment>the proverb the picture shows, read out for those who cannot see it</extracomment>
        <translation>Só quando a última árvore for derrubada, o último rio envenenado e o último peixe pescado, as pessoas vão descobrir que dinheiro não se come.</translation>
    </message>
    <message>
        <source>A dancer in a feathered costume beside the proverb, in a green border</source>
        <translation>Um dançarino com traje de penas ao lado do provérbio, numa moldura verde</translation>
    </message>
</context>
<context>
    <name>QtChartControl</name>
    <message>
        <source>Picture copied</source>
        <translation>Imagem copiada</translation>
    </message>
    <message>
        <source>Description copied</source>
        <translation>Descrição copiada</translation>
    </message>
    <message>
        <source>Picture saved</source>
        <translation>Imagem salva</translation>
    </message>
    <message>
        <source>Picture not saved: %1 cannot be written</source>
        <translation>Imagem não salva: não é possível gravar %1</translation>
    </message>
    <message>
        <source>Data saved</source>
        <translation>Dados salvos</translation>
    </message>
    <message>
        <source>Data not saved: %1 cannot be written</source>
        <translation>Dados não salvos: não é possível gravar %1</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Copiar imagem</translation>
    </message>
    <message>
        <source>Copy description</source>
        <translation>Copiar descrição</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Salvar imagem…</translation>
    </message>
    <message>
        <source>Save data…</source>
        <translation>Salvar dados…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Salvar imagem</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG picture (*.svg)</source>
        <translation>Imagem PNG (*.png);;Imagem SVG (*.svg)</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Salvar dados</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Valores separados por vírgula (*.csv)</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>values too large to draw</source>
        <translation>valores grandes demais para desenhar</translation>
    </message>
    <message>
        <source>nothing to draw</source>
        <translation>nada para desenhar</translation>
    </message>
    <message>
        <source>some values too large to draw</source>
        <translation>alguns valores grandes demais para desenhar</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Quiz</source>
        <extracomment>the caption of the window with the quiz sheet</extracomment>
        <translation>Questionário</translation>
    </message>
    <message>
        <source>Quiz: three questions on harvest theory</source>
        <translation>Questionário: três perguntas sobre a teoria da colheita</translation>
    </message>
    <message>
        <source>Back to the mainform</source>
        <extracomment>the button back to the main window</extracomment>
        <translation>Voltar à janela principal</translation>
    </message>
</context>
<context>
    <name>Referenc</name>
    <message>
        <source>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2nd edition. Wiley, New York.</source>
        <translation>Clark, C. W. (1990). Mathematical Bioeconomics: The Optimal Management of Renewable Resources, 2ª edição. Wiley, Nova York.</translation>
    </message>
    <message>
        <source>References</source>
        <extracomment>the caption of the window with the list of references, and the heading of the list</extracomment>
        <translation>Referências</translation>
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
        <translation>%1; simulação de t = 1 a %2</translation>
    </message>
    <message>
        <source>One equilibrium, unstable, at N = H/r = %1.</source>
        <translation>Um equilíbrio, instável, em N = H/r = %1.</translation>
    </message>
    <message>
        <source>No equilibrium: r = 0.</source>
        <translation>Sem equilíbrio: r = 0.</translation>
    </message>
    <message>
        <source>No equilibrium: H &gt; rK/4, the harvested population dies out.</source>
        <translation>Sem equilíbrio: H &gt; rK/4, a população com colheita se extingue.</translation>
    </message>
    <message>
        <source>Equilibria under the harvest: unstable at N = %1, stable at N = %2.</source>
        <translation>Equilíbrios sob a colheita: instável em N = %1, estável em N = %2.</translation>
    </message>
    <message>
        <source>Model: logistic growth, dN/dt = rN(1 - N/K) - H.</source>
        <translation>Modelo: crescimento logístico, dN/dt = rN(1 - N/K) - H.</translation>
    </message>
    <message>
        <source>Model: exponential growth, dN/dt = rN - H.</source>
        <translation>Modelo: crescimento exponencial, dN/dt = rN - H.</translation>
    </message>
    <message>
        <source>Parameters: %1.</source>
        <translation>Parâmetros: %1.</translation>
    </message>
    <message>
        <source>Final population size without harvest: N(%1) = %2.</source>
        <translation>Tamanho final da população sem colheita: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Final population size with harvest: N(%1) = %2.</source>
        <translation>Tamanho final da população com colheita: N(%1) = %2.</translation>
    </message>
    <message>
        <source>Maximum sustainable yield: rK/4 = %1, at N = K/2 = %2.</source>
        <translation>Rendimento máximo sustentável: rK/4 = %1, em N = K/2 = %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: logistic model, %2.</source>
        <translation>Guardada para comparação, %1: modelo logístico, %2.</translation>
    </message>
    <message>
        <source>Kept for comparison, %1: exponential model, %2.</source>
        <translation>Guardada para comparação, %1: modelo exponencial, %2.</translation>
    </message>
</context>
<context>
    <name>Vater</name>
    <message>
        <source>Dedication</source>
        <extracomment>the caption of the last window, with the dedication</extracomment>
        <translation>Dedicatória</translation>
    </message>
    <message>
        <source>Memorial portrait of a teacher</source>
        <translation>Retrato em memória de um professor</translation>
    </message>
    <message>
        <source>God rest his soul</source>
        <extracomment>the button of the dedication, a blessing for the late teacher; it ends the program</extracomment>
        <translation>Descanse em paz</translation>
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
        <translation>Direitos autorais</translation>
    </message>
    <message>
        <source>Portrait of the author</source>
        <translation>Retrato do autor</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that goes on quitting, to the dedication and the end</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to end this program</source>
        <translation>Clique aqui para encerrar este programa</translation>
    </message>
    <message>
        <source>Tarnwick (Basic)
A teaching program on harvest under exponential and logistic growth

Copyright © %1 Tarnwick (Basic) developers
Free to use and to copy for teaching and learning, as it is and without any warranty.</source>
        <extracomment>%1 is the year</extracomment>
        <translation>Tarnwick (Basic)
Um programa didático sobre colheita sob crescimento exponencial e logístico

Copyright © %1 desenvolvedores do Tarnwick (Basic)
Livre para usar e copiar no ensino e na aprendizagem, como está e sem qualquer garantia.</translation>
    </message>
    <message>
        <source>If you use this program in your research, please cite the following  reference in your paper:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</source>
        <extracomment>%1 is the year of the reference; the reference itself may stay in English</extracomment>
        <translation>Se você usar este programa em sua pesquisa, cite a seguinte referência em seu artigo:

Tarnwick (Basic) developers. %1. Tarnwick (Basic): a computer program for harvest under exponential and logistic growth. Tarnwick Teaching Project, Exampletown.</translation>
    </message>
    <message>
        <source>A new version can be obtained at tarnwick.example.org
(Tarnwick Teaching Project) or
library.example.org/tarnwick
(Example University Library).</source>
        <translation>Uma nova versão pode ser obtida em tarnwick.example.org
(Tarnwick Teaching Project) ou em
library.example.org/tarnwick
(Biblioteca da Example University).</translation>
    </message>
</context>
<context>
    <name>larggraf</name>
    <message>
        <source>The change of N(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them: &quot; [N(0)=100, K=500, r=0.2, H=10.]&quot;</extracomment>
        <translation>A variação de N(t) com t %1</translation>
    </message>
    <message>
        <source>N(t)</source>
        <extracomment>an axis title: the population size N at time t</extracomment>
        <translation>N(t)</translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>an axis title: the time steps of the run</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>The change of dN(t) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>A variação de dN(t) com t %1</translation>
    </message>
    <message>
        <source>dN(t)</source>
        <extracomment>an axis title: the change dN of the population size at time t</extracomment>
        <translation>dN(t)</translation>
    </message>
    <message>
        <source>The change of dN(t)/dt with N(t) %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>A variação de dN(t)/dt com N(t) %1</translation>
    </message>
    <message>
        <source>The change of N(t) (in logarithm) with t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>A variação de N(t) (em logaritmo) com t %1</translation>
    </message>
    <message>
        <source>lnN(t)</source>
        <extracomment>an axis title: the natural logarithm of the population size N at time t</extracomment>
        <translation>lnN(t)</translation>
    </message>
    <message>
        <source>N(t) and dN(t) at different t %1</source>
        <extracomment>a chart title; %1 is the run&apos;s parameters, with a space before them</extracomment>
        <translation>N(t) e dN(t) em diferentes t %1</translation>
    </message>
    <message>
        <source>N(t) and dN(t)</source>
        <extracomment>an axis title: the population size N and its change dN at time t</extracomment>
        <translation>N(t) e dN(t)</translation>
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
        <translation>Gráfico para análise teórica (modelo logístico)</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis</source>
        <translation>Gráfico para análise teórica</translation>
    </message>
    <message>
        <source>dN</source>
        <extracomment>an axis title: the change dN of the population size</extracomment>
        <translation>dN</translation>
    </message>
    <message>
        <source>Graph for theoretical analysis (exponential model)</source>
        <translation>Gráfico para análise teórica (modelo exponencial)</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio</source>
        <translation>Custo e receita para diferentes razões preço-despesa (p/e)</translation>
    </message>
    <message>
        <source>C and R</source>
        <extracomment>an axis title: the cost C and the revenue R of the harvest</extracomment>
        <translation>C e R</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio</source>
        <translation>Lucro líquido para diferentes razões preço/despesa</translation>
    </message>
    <message>
        <source>Profit</source>
        <extracomment>an axis title: the net profit of the harvest</extracomment>
        <translation>Lucro</translation>
    </message>
    <message>
        <source>Cost and revenue at different price-expense (p/e) ratio (exponential model)</source>
        <translation>Custo e receita para diferentes razões preço-despesa (p/e) (modelo exponencial)</translation>
    </message>
    <message>
        <source>Net profit of different price/expense ratio (exponential model)</source>
        <translation>Lucro líquido para diferentes razões preço/despesa (modelo exponencial)</translation>
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
        <translation>Sair</translation>
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
        <translation>Pressione uma tecla ou clique para começar.</translation>
    </message>
</context>
</TS>
