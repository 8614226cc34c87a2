<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pt_BR">
<context>
    <name>AddText</name>
    <message>
        <source>Nome, Setor, Empresa (*.nse)</source>
        <translation>Name, Department, Company (*.nse)</translation>
    </message>
    <message>
        <source>Nome, Setor, Empresa</source>
        <translation>Name, Department, Company</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
</context>
<context>
    <name>ChannelChooser</name>
    <message>
        <source>Gráfico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Channels</name>
    <message>
        <source>%UR</source>
        <translation>%RH</translation>
    </message>
    <message>
        <source>Seco</source>
        <translation>Dry</translation>
    </message>
    <message>
        <source>Orvalho</source>
        <translation>Dew pt.</translation>
    </message>
    <message>
        <source>Úmido</source>
        <translation>Wet</translation>
    </message>
    <message>
        <source>I.C.</source>
        <translation>H.I.</translation>
    </message>
    <message>
        <source>IBUTGi</source>
        <translation>WBGTi</translation>
    </message>
    <message>
        <source>IBUTGo</source>
        <translation>WBGTo</translation>
    </message>
    <message>
        <source>Globo</source>
        <translation>Globe</translation>
    </message>
    <message>
        <source>Velocidade</source>
        <translation>Air speed</translation>
    </message>
</context>
<context>
    <name>DataList</name>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Lista de dados</source>
        <translation>Data List</translation>
    </message>
    <message>
        <source>Salvar</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Salvar como</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Celsius / Fahrenheit</source>
        <translation>Celsius / Fahrenheit</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Data Files (*.plv);;All Files (*.*)</source>
        <translation>Data Files (*.plv);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Erro!Registrando!</source>
        <translation>Error! Recording!</translation>
    </message>
    <message>
        <source>Não foi possível gravar o arquivo %1</source>
        <translation>Could not write the file %1</translation>
    </message>
    <message>
        <source>%1 gravações completas</source>
        <translation>%1 records complete</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>Imprimir relatório</source>
        <translation>Print report</translation>
    </message>
    <message>
        <source>Salvar PDF</source>
        <translation>Save PDF</translation>
    </message>
    <message>
        <source>Salvar relatório</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Hora avaliada</source>
        <translation>Evaluated hour</translation>
    </message>
    <message>
        <source>IBUTGi</source>
        <translation>WBGTi</translation>
    </message>
    <message>
        <source>IBUTGo</source>
        <translation>WBGTo</translation>
    </message>
    <message>
        <source>IBUTGi: ambiente interno ou externo sem carga solar; IBUTGo: externo com carga solar</source>
        <translation>WBGTi: indoors, or outdoors without solar load; WBGTo: outdoors with solar load</translation>
    </message>
    <message>
        <source>Índice:</source>
        <translation>Index:</translation>
    </message>
    <message>
        <source>Início:</source>
        <translation>Start:</translation>
    </message>
    <message>
        <source>Fim:</source>
        <translation>End:</translation>
    </message>
    <message>
        <source>Média:</source>
        <translation>Mean:</translation>
    </message>
    <message>
        <source>AA/MM/DD hh:mm:ss</source>
        <translation>YY/MM/DD hh:mm:ss</translation>
    </message>
    <message>
        <source>Começar em:</source>
        <translation>Start at:</translation>
    </message>
    <message>
        <source>Pior hora</source>
        <translation>Worst hour</translation>
    </message>
    <message>
        <source>Leitura anterior</source>
        <translation>Previous reading</translation>
    </message>
    <message>
        <source>Leitura seguinte</source>
        <translation>Next reading</translation>
    </message>
    <message>
        <source>Trabalho na hora (períodos somando 60 min)</source>
        <translation>Work in the hour (periods adding up to 60 min)</translation>
    </message>
    <message>
        <source>Minutos</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Atividade</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Taxa (W)</source>
        <translation>Rate (W)</translation>
    </message>
    <message>
        <source>%1 (%2 W)</source>
        <translation>%1 (%2 W)</translation>
    </message>
    <message>
        <source>Adicionar</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Remover</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Uma vestimenta da lista ou o ajuste em °C</source>
        <translation>Clothing from the list, or the adjustment in °C</translation>
    </message>
    <message>
        <source>Vestimenta:</source>
        <translation>Clothing:</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>sem leituras de %1</source>
        <translation>no %1 readings</translation>
    </message>
    <message>
        <source>
menos de 60 minutos de dados</source>
        <translation>
less than 60 minutes of data</translation>
    </message>
    <message>
        <source>período %1: número inválido</source>
        <translation>period %1: invalid number</translation>
    </message>
    <message>
        <source>Total: %1 de 60 min</source>
        <translation>Total: %1 of 60 min</translation>
    </message>
    <message>
        <source>Taxa metabólica média: %1 W</source>
        <translation>Mean metabolic rate: %1 W</translation>
    </message>
    <message>
        <source>Exposição: %1
Nível de ação: %2
Limite: %3</source>
        <translation>Exposure: %1
Action level: %2
Limit: %3</translation>
    </message>
    <message>
        <source>Margem: %1</source>
        <translation>Margin: %1</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>Avaliação da exposição ao calor</source>
        <translation>Heat exposure evaluation</translation>
    </message>
    <message>
        <source>&quot;%1&quot; não é uma data e hora AA/MM/DD hh:mm:ss</source>
        <translation>&quot;%1&quot; is not a date and time YY/MM/DD hh:mm:ss</translation>
    </message>
    <message>
        <source>Não começa em %1: %2</source>
        <translation>Cannot start at %1: %2</translation>
    </message>
    <message>
        <source>Outra atividade</source>
        <translation>Other activity</translation>
    </message>
</context>
<context>
    <name>Exposure</name>
    <message>
        <source>Repouso</source>
        <translation>Resting</translation>
    </message>
    <message>
        <source>Taxa metabólica baixa</source>
        <translation>Low metabolic rate</translation>
    </message>
    <message>
        <source>Taxa metabólica moderada</source>
        <translation>Moderate metabolic rate</translation>
    </message>
    <message>
        <source>Taxa metabólica alta</source>
        <translation>High metabolic rate</translation>
    </message>
    <message>
        <source>Taxa metabólica muito alta</source>
        <translation>Very high metabolic rate</translation>
    </message>
    <message>
        <source>Roupa de trabalho</source>
        <translation>Work clothes</translation>
    </message>
    <message>
        <source>Macacão de tecido</source>
        <translation>Woven coveralls</translation>
    </message>
    <message>
        <source>Macacão de polipropileno SMS</source>
        <translation>SMS polypropylene coveralls</translation>
    </message>
    <message>
        <source>Macacão de poliolefina</source>
        <translation>Polyolefin coveralls</translation>
    </message>
    <message>
        <source>Roupa de tecido em camada dupla</source>
        <translation>Double-layer woven clothing</translation>
    </message>
    <message>
        <source>Macacão com barreira de vapor, uso limitado</source>
        <translation>Limited-use vapour-barrier coveralls</translation>
    </message>
    <message>
        <source>nenhum período de trabalho</source>
        <translation>no work period</translation>
    </message>
    <message>
        <source>duração inválida: %1 min</source>
        <translation>invalid duration: %1 min</translation>
    </message>
    <message>
        <source>taxa metabólica inválida: %1 W (acima de 0 até %2 W)</source>
        <translation>invalid metabolic rate: %1 W (above 0, up to %2 W)</translation>
    </message>
    <message>
        <source>os períodos somam %1 min, não 60 min</source>
        <translation>the periods add up to %1 min, not 60 min</translation>
    </message>
    <message>
        <source>abaixo do nível de ação</source>
        <translation>below the action level</translation>
    </message>
    <message>
        <source>entre o nível de ação e o limite</source>
        <translation>between the action level and the limit</translation>
    </message>
    <message>
        <source>acima do limite</source>
        <translation>above the limit</translation>
    </message>
    <message>
        <source>sem leituras</source>
        <translation>no readings</translation>
    </message>
    <message>
        <source>Limite de exposição</source>
        <translation>Exposure limit</translation>
    </message>
    <message>
        <source>Nível de ação</source>
        <translation>Action level</translation>
    </message>
    <message>
        <source>Hora avaliada</source>
        <translation>Evaluated hour</translation>
    </message>
    <message>
        <source>sem leituras de %1</source>
        <translation>no %1 readings</translation>
    </message>
    <message>
        <source>IBUTGi</source>
        <translation>WBGTi</translation>
    </message>
    <message>
        <source>IBUTGo</source>
        <translation>WBGTo</translation>
    </message>
    <message>
        <source>vestimenta ou ajuste inválido: %1</source>
        <translation>invalid clothing or adjustment: %1</translation>
    </message>
    <message>
        <source>ajuste da vestimenta negativo: %1 (0 °C ou mais)</source>
        <translation>negative clothing adjustment: %1 (0 °C or more)</translation>
    </message>
    <message>
        <source>%1 cai numa interrupção das leituras (de %2 a %3)</source>
        <translation>%1 falls in a break in the readings (from %2 to %3)</translation>
    </message>
    <message>
        <source>as leituras desta sequência terminam em %1, %2 min depois de %3; a hora precisa de 60 min</source>
        <translation>the readings of this run end at %1, %2 min after %3; the hour needs 60 min</translation>
    </message>
    <message>
        <source>%1 está fora das leituras (%2 a %3)</source>
        <translation>%1 is outside the readings (%2 to %3)</translation>
    </message>
</context>
<context>
    <name>ExposureReport</name>
    <message>
        <source>Avaliação da exposição ao calor</source>
        <translation>Heat exposure evaluation</translation>
    </message>
    <message>
        <source>Nome: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Setor: %1</source>
        <translation>Department: %1</translation>
    </message>
    <message>
        <source>Empresa: %1</source>
        <translation>Company: %1</translation>
    </message>
    <message>
        <source>Período medido: %1 a %2 (%3 registros)</source>
        <translation>Measured period: %1 to %2 (%3 records)</translation>
    </message>
    <message>
        <source>Tabela em °F; avaliação feita em °C, valores mostrados nas duas unidades.</source>
        <translation>Table in °F; evaluated in °C, values shown in both units.</translation>
    </message>
    <message>
        <source>Leituras da tabela (%1)</source>
        <translation>Readings of the table (%1)</translation>
    </message>
    <message>
        <source>Canal</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Mínimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Média</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Máximo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Avaliação</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>Índice: %1</source>
        <translation>Index: %1</translation>
    </message>
    <message>
        <source>Sem leituras de %1: nada a avaliar.</source>
        <translation>No %1 readings: nothing to evaluate.</translation>
    </message>
    <message>
        <source>Hora avaliada: %1 a %2 (menos de 60 minutos de dados)</source>
        <translation>Evaluated hour: %1 to %2 (less than 60 minutes of data)</translation>
    </message>
    <message>
        <source>Hora avaliada: %1 a %2</source>
        <translation>Evaluated hour: %1 to %2</translation>
    </message>
    <message>
        <source>IBUTG médio da hora: %1</source>
        <translation>Mean WBGT of the hour: %1</translation>
    </message>
    <message>
        <source>Minutos</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Atividade</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Taxa (W)</source>
        <translation>Rate (W)</translation>
    </message>
    <message>
        <source>Períodos de trabalho incompletos: sem resultado.</source>
        <translation>Work periods incomplete: no result.</translation>
    </message>
    <message>
        <source>Taxa metabólica média (M̅): %1 W</source>
        <translation>Mean metabolic rate (M̅): %1 W</translation>
    </message>
    <message>
        <source>Ajuste da vestimenta: %1</source>
        <translation>Clothing adjustment: %1</translation>
    </message>
    <message>
        <source>Ajuste da vestimenta (%1): %2</source>
        <translation>Clothing adjustment (%1): %2</translation>
    </message>
    <message>
        <source>Exposição (média + ajuste): %1</source>
        <translation>Exposure (mean + adjustment): %1</translation>
    </message>
    <message>
        <source>Nível de ação (59,9 − 14,1·log M̅): %1</source>
        <translation>Action level (59.9 − 14.1·log M̅): %1</translation>
    </message>
    <message>
        <source>Limite de exposição (56,7 − 11,5·log M̅): %1</source>
        <translation>Exposure limit (56.7 − 11.5·log M̅): %1</translation>
    </message>
    <message>
        <source>Margem (limite − exposição): %1</source>
        <translation>Margin (limit − exposure): %1</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Result: %1</translation>
    </message>
</context>
<context>
    <name>FileList</name>
    <message>
        <source>Plotar</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>File List</source>
        <translation>File List</translation>
    </message>
</context>
<context>
    <name>GraphHeaderFields</name>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
</context>
<context>
    <name>GraphParts</name>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
</context>
<context>
    <name>Graphs</name>
    <message>
        <source>-20 &lt;= ºC &lt;= 130, tente novamente!</source>
        <translation>-20 &lt;= ºC &lt;= 130, try again!</translation>
    </message>
    <message>
        <source>0 &lt;= m/s &lt;= 30, tente novamente!</source>
        <translation>0 &lt;= m/s &lt;= 30, try again!</translation>
    </message>
    <message>
        <source>-4 &lt;= ºF &lt;= 266, tente novamente!</source>
        <translation>-4 &lt;= ºF &lt;= 266, try again!</translation>
    </message>
    <message>
        <source>0 &lt;= ft/m &lt;= 6000, tente novamente!</source>
        <translation>0 &lt;= ft/m &lt;= 6000, try again!</translation>
    </message>
    <message>
        <source>0 &lt;= %UR &lt;= 100, tente novamente!</source>
        <translation>0 &lt;= %RH &lt;= 100, try again!</translation>
    </message>
    <message>
        <source>10 &lt;= Resultados &lt;= 864000, tente novamente!</source>
        <translation>10 &lt;= Results &lt;= 864000, try again!</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Registro: %1</source>
        <translation>Record: %1</translation>
    </message>
    <message>
        <source>Comando inválido, tente novamente!</source>
        <translation>Invalid command, try again!</translation>
    </message>
</context>
<context>
    <name>HeaderFile</name>
    <message>
        <source>Não foi possível abrir o arquivo %1: %2</source>
        <translation>Could not open the file %1: %2</translation>
    </message>
    <message>
        <source>O arquivo %1 não é um arquivo de nome, setor e empresa.</source>
        <translation>The file %1 is not a name, department and company file.</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>Lista - Tempo real</source>
        <translation>List - Real time</translation>
    </message>
    <message>
        <source>Salvar como</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Celsius / Fahenheit</source>
        <translation>Celsius / Fahrenheit</translation>
    </message>
    <message>
        <source>Exportar planilha</source>
        <translation>Export spreadsheet</translation>
    </message>
    <message>
        <source>Avaliação</source>
        <translation>Evaluation</translation>
    </message>
</context>
<context>
    <name>ListPlot1</name>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Graph Unit</source>
        <translation>Graph Unit</translation>
    </message>
    <message>
        <source>Gráfico inteiro</source>
        <translation>Whole plot</translation>
    </message>
    <message>
        <source>Gráfico - Plotar</source>
        <translation>Plot - Data</translation>
    </message>
</context>
<context>
    <name>ListWindowTools</name>
    <message>
        <source>Exportar planilha</source>
        <translation>Export spreadsheet</translation>
    </message>
    <message>
        <source>Avaliação</source>
        <translation>Evaluation</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>Registros Manuais</source>
        <translation>Manual Records</translation>
    </message>
    <message>
        <source>Salvar como</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Celsius / Fahrenheit</source>
        <translation>Celsius / Fahrenheit</translation>
    </message>
    <message>
        <source>Exportar planilha</source>
        <translation>Export spreadsheet</translation>
    </message>
</context>
<context>
    <name>ManualDownload</name>
    <message>
        <source>%1 % completas</source>
        <translation>%1 % complete</translation>
    </message>
    <message>
        <source>Não há dados armazenados na memória!</source>
        <translation>No data stored in memory!</translation>
    </message>
</context>
<context>
    <name>Memory</name>
    <message>
        <source>Registrador de dados</source>
        <translation>Data Logger</translation>
    </message>
    <message>
        <source>Memory Size</source>
        <translation>Memory Size</translation>
    </message>
    <message>
        <source>Capacidade : 128 K</source>
        <translation>Capacity : 128 K</translation>
    </message>
    <message>
        <source>Utilizado</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>Livre</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Advertência</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Todos os dados armazenados na memória serão apagados</source>
        <translation>All data stored in memory will be erased</translation>
    </message>
</context>
<context>
    <name>MemoryDownload</name>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Não há dados armazenados na memória!</source>
        <translation>No data stored in memory!</translation>
    </message>
</context>
<context>
    <name>MeterBtn</name>
    <message>
        <source>CF</source>
        <translation>°C/°F</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Hold</translation>
    </message>
    <message>
        <source>MaxMin</source>
        <translation>Max/Min</translation>
    </message>
    <message>
        <source>Mem</source>
        <translation>Mem</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>RunStop</source>
        <translation>Run/Stop</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Registros Manuais</source>
        <translation>Manual Records</translation>
    </message>
    <message>
        <source>Sem comunicação</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>Painel de controle</source>
        <translation>Control Panel</translation>
    </message>
</context>
<context>
    <name>MeterSettings</name>
    <message>
        <source>Digite o valor desejado em minutos
(1 &lt;= t &lt;= 60) </source>
        <translation>Enter the desired value in minutes
(1 &lt;= t &lt;= 60) </translation>
    </message>
    <message>
        <source>Digite o valor desejado em segundos 
(o valor deve estar entre 1 e 59).</source>
        <translation>Enter the desired value in seconds 
(the value must be between 1 and 59).</translation>
    </message>
    <message>
        <source>Definir taxa de amostragem</source>
        <translation>Set sampling rate</translation>
    </message>
    <message>
        <source>Digite o valor desejado em segundos 
(o valor deve estar entre 1 e 65535).</source>
        <translation>Enter the desired value in seconds 
(the value must be between 1 and 65535).</translation>
    </message>
    <message>
        <source>Definir o tempo de desligamento automático</source>
        <translation>Set the auto power-off time</translation>
    </message>
</context>
<context>
    <name>MinSec</name>
    <message>
        <source>Form1</source>
        <translation>Sampling Unit</translation>
    </message>
    <message>
        <source>Amostragem por minuto</source>
        <translation>Sampling in minutes</translation>
    </message>
    <message>
        <source>Amostragem por segundo</source>
        <translation>Sampling in seconds</translation>
    </message>
</context>
<context>
    <name>PlotRange</name>
    <message>
        <source>Escala do Gráfico</source>
        <translation>Plot Scale</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Registros</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>De</source>
        <translation>From</translation>
    </message>
    <message>
        <source>Até</source>
        <translation>To</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PrintPreview</name>
    <message>
        <source>%1 - prévia das primeiras %2 linhas</source>
        <translation>%1 - preview of the first %2 lines</translation>
    </message>
</context>
<context>
    <name>ProgressPump</name>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 gravações completas</source>
        <translation>%1 records complete</translation>
    </message>
</context>
<context>
    <name>RealTime24</name>
    <message>
        <source>Limites</source>
        <translation>Limits</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Função</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Gráfico - Tempo real</source>
        <translation>Chart - Real time</translation>
    </message>
</context>
<context>
    <name>RealTimeRange</name>
    <message>
        <source>Escala - Tempo real</source>
        <translation>Scale - Real time</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Celsius</source>
        <translation>Celsius</translation>
    </message>
    <message>
        <source>Fahrenheit</source>
        <translation>Fahrenheit</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>%UR</source>
        <translation>%RH</translation>
    </message>
    <message>
        <source>Resultados</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocity</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ReportFormat</name>
    <message>
        <source>dd/MM/yyyy</source>
        <extracomment>The date form of printed reports (a QDate format); English: yyyy-MM-dd.</extracomment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>,</source>
        <extracomment>The decimal separator of printed reports; English: a point.</extracomment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Não foi possível gravar o arquivo %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
</context>
<context>
    <name>SamplingChoice</name>
    <message>
        <source>Sampling Rate</source>
        <translation>Sampling Rate</translation>
    </message>
    <message>
        <source>Taxa de amostragem do instrumento</source>
        <translation>Meter&apos;s sampling rate</translation>
    </message>
    <message>
        <source>Taxa de amostragem do computador</source>
        <translation>Computer&apos;s sampling rate</translation>
    </message>
</context>
<context>
    <name>SamplingDialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>SetListModel</name>
    <message>
        <source>Conjunto</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>Amostragem</source>
        <translation>Sampling</translation>
    </message>
    <message>
        <source>Registros</source>
        <translation>Records</translation>
    </message>
</context>
<context>
    <name>SetToDataList</name>
    <message>
        <source>%1 gravações completas</source>
        <translation>%1 records complete</translation>
    </message>
</context>
<context>
    <name>SettingsFlows</name>
    <message>
        <source>Sem comunicação</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Erro!Registrando!</source>
        <translation>Error! Recording!</translation>
    </message>
</context>
<context>
    <name>Setup</name>
    <message>
        <source>Hora do instrumento</source>
        <translation>Meter time</translation>
    </message>
    <message>
        <source>Hora do sistema do computador</source>
        <translation>Computer system time</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Ajustar a hora do instrumento pela hora do sistema</source>
        <translation>Set the meter&apos;s clock to the system time</translation>
    </message>
    <message>
        <source>Sair</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>TableHeading</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Seco</source>
        <translation>Dry</translation>
    </message>
    <message>
        <source>Orvalho</source>
        <translation>Dew pt.</translation>
    </message>
    <message>
        <source>Úmido</source>
        <translation>Wet</translation>
    </message>
    <message>
        <source>I.C.</source>
        <translation>H.I.</translation>
    </message>
    <message>
        <source>IBUTGi</source>
        <translation>WBGTi</translation>
    </message>
    <message>
        <source>IBUTGo</source>
        <translation>WBGTo</translation>
    </message>
    <message>
        <source>Globo</source>
        <translation>Globe</translation>
    </message>
</context>
<context>
    <name>TablePrint</name>
    <message>
        <source>P - %1</source>
        <translation>P - %1</translation>
    </message>
</context>
<context>
    <name>TableTools</name>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Exportar planilha</source>
        <translation>Export spreadsheet</translation>
    </message>
    <message>
        <source>Planilha (*.csv)</source>
        <translation>Spreadsheet (*.csv)</translation>
    </message>
    <message>
        <source>Ponto decimal e vírgula entre campos</source>
        <translation>Decimal point and comma between fields</translation>
    </message>
</context>
<context>
    <name>ToolbarButton</name>
    <message>
        <source>Salvar como</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Abrir arquivo para ler</source>
        <translation>Open a file to read</translation>
    </message>
    <message>
        <source>Exibir lista</source>
        <translation>Show list</translation>
    </message>
    <message>
        <source>Exibir gráfico</source>
        <translation>Show chart</translation>
    </message>
    <message>
        <source>Taxa de amostragem</source>
        <translation>Sampling rate</translation>
    </message>
    <message>
        <source>Celsius / Fahrenheit</source>
        <translation>Celsius / Fahrenheit</translation>
    </message>
    <message>
        <source>Desligamento automático</source>
        <translation>Auto power-off</translation>
    </message>
    <message>
        <source>Registrador de dados </source>
        <translation>Data logger</translation>
    </message>
    <message>
        <source>Ajustar a hora do instrumento pela hora do sistema</source>
        <translation>Set the meter&apos;s clock to the system time</translation>
    </message>
    <message>
        <source>Ambiente e trabalho</source>
        <translation>Environment and work</translation>
    </message>
    <message>
        <source>Painel monitor</source>
        <translation>Monitor panel</translation>
    </message>
    <message>
        <source>nome,setor,empresa</source>
        <translation>name,department,company</translation>
    </message>
    <message>
        <source>Apagar memória</source>
        <translation>Erase memory</translation>
    </message>
    <message>
        <source>Interromper registro</source>
        <translation>Stop recording</translation>
    </message>
</context>
<context>
    <name>ToolbarCommands</name>
    <message>
        <source>Digite o valor desejado em segundos 
(o valor deve estar entre 1 e 86400).</source>
        <translation>Type the value you want in seconds 
(it must be between 1 and 86400).</translation>
    </message>
    <message>
        <source>%1 gravações completas</source>
        <translation>%1 records complete</translation>
    </message>
    <message>
        <source>Definir taxa de amostragem</source>
        <translation>Set sampling rate</translation>
    </message>
</context>
<context>
    <name>ToolbarDialogs</name>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>All saved data in memory will be deleted.</source>
        <translation>All saved data in memory will be deleted.</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Data Files (*.plv);;All Files (*)</source>
        <translation>Data Files (*.plv);;All Files (*)</translation>
    </message>
</context>
<context>
    <name>TwelveColumnWindow</name>
    <message>
        <source>Salvar como</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Data Files (*.plv);;All Files (*.*)</source>
        <translation>Data Files (*.plv);;All Files (*.*)</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Erro!Registrando!</source>
        <translation>Error! Recording!</translation>
    </message>
</context>
<context>
    <name>WindowPlugs</name>
    <message>
        <source>Registros Manuais</source>
        <translation>Manual Records</translation>
    </message>
</context>
<context>
    <name>WorkLoadTables</name>
    <message>
        <source>Leve</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Moderado</source>
        <translation>Moderate</translation>
    </message>
    <message>
        <source>Pesado</source>
        <translation>Heavy</translation>
    </message>
    <message>
        <source>Muito pesado</source>
        <translation>Very heavy</translation>
    </message>
    <message>
        <source>Sentado</source>
        <translation>Sitting</translation>
    </message>
    <message>
        <source>Em pé</source>
        <translation>Standing</translation>
    </message>
    <message>
        <source>Em movimento</source>
        <translation>Moving</translation>
    </message>
    <message>
        <source>Trabalho manual</source>
        <translation>Hand work</translation>
    </message>
    <message>
        <source>Um braço</source>
        <translation>One arm</translation>
    </message>
    <message>
        <source>Ambos os braços</source>
        <translation>Both arms</translation>
    </message>
    <message>
        <source>Corpo inteiro</source>
        <translation>Whole body</translation>
    </message>
    <message>
        <source>Trabalho contínuo</source>
        <translation>Continuous work</translation>
    </message>
    <message>
        <source>75% do tempo em trabalho e 25% do tempo em descanso a cada hora</source>
        <translation>75% of the time working and 25% resting, each hour</translation>
    </message>
    <message>
        <source>50% do tempo em trabalho e 50% do tempo em descanso a cada hora</source>
        <translation>50% of the time working and 50% resting, each hour</translation>
    </message>
    <message>
        <source>25% do tempo em trabalho e 75% do tempo em descanso a cada hora</source>
        <translation>25% of the time working and 75% resting, each hour</translation>
    </message>
    <message>
        <source>Sobrecarga de trabalho</source>
        <translation>Work overload</translation>
    </message>
    <message>
        <source>Vestimentas leves de verão</source>
        <translation>Light summer clothing</translation>
    </message>
    <message>
        <source>Casaco de algodão</source>
        <translation>Cotton coveralls</translation>
    </message>
    <message>
        <source>Vestimentas de inverno</source>
        <translation>Winter clothing</translation>
    </message>
    <message>
        <source>Permeável</source>
        <translation>Permeable</translation>
    </message>
</context>
<context>
    <name>montira</name>
    <message>
        <source>A porta %1 não existe.</source>
        <translation>Port %1 does not exist.</translation>
    </message>
    <message>
        <source>A porta %1 está em uso por outro programa.</source>
        <translation>Port %1 is in use by another program.</translation>
    </message>
    <message>
        <source>Sem permissão para abrir %1: o usuário deve pertencer ao grupo dialout (sudo usermod -aG dialout $USER).</source>
        <translation>No permission to open %1: the user must belong to the dialout group (sudo usermod -aG dialout $USER).</translation>
    </message>
    <message>
        <source>Sem permissão para abrir %1.</source>
        <translation>No permission to open %1.</translation>
    </message>
    <message>
        <source>Não foi possível abrir %1.</source>
        <translation>Could not open %1.</translation>
    </message>
    <message>
        <source>A porta %1 agora pertence a outro dispositivo.</source>
        <translation>Port %1 now belongs to another device.</translation>
    </message>
    <message>
        <source>Sem comunicação</source>
        <translation>No communication</translation>
    </message>
    <message>
        <source>Não há porta COM disponível</source>
        <translation>No COM port available</translation>
    </message>
    <message>
        <source>SIMULADOR</source>
        <translation>SIMULATOR</translation>
    </message>
    <message>
        <source> %1.%2 % completas</source>
        <translation> %1.%2 % complete</translation>
    </message>
    <message>
        <source>O arquivo %1 não existe.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 é uma pasta, não um arquivo de dados.</source>
        <translation>%1 is a folder, not a data file.</translation>
    </message>
    <message>
        <source>%1 não é um arquivo comum e não foi aberto.</source>
        <translation>%1 is not a regular file and was not opened.</translation>
    </message>
    <message>
        <source>%1 tem %2 MB: grande demais para um arquivo de dados.</source>
        <translation>%1 has %2 MB: too large for a data file.</translation>
    </message>
    <message>
        <source>Não foi possível abrir %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>Não foi possível ler %1: %2</source>
        <translation>Could not read %1: %2</translation>
    </message>
    <message>
        <source>%1 não parece um arquivo de dados: %2 linha(s) com mais de %3 caracteres foram cortadas.</source>
        <translation>%1 does not look like a data file: %2 line(s) longer than %3 characters were cut.</translation>
    </message>
    <message>
        <source>Erro!Registrando!</source>
        <translation>Error! Recording!</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
</context>
<context>
    <name>montira::Panel</name>
    <message>
        <source>Nenhuma porta foi escolhida: escolha uma entrada da lista, como &quot;COM  1&quot;.</source>
        <translation>No port was chosen: choose an entry of the list, such as &quot;COM  1&quot;.</translation>
    </message>
    <message>
        <source>%1 - SIMULADOR</source>
        <translation>%1 - SIMULATOR</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO - Painel     V10.03</source>
        <translation>MONTIRA THERMAL STRESS - Panel     V10.03</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO - Painel     V10.03 190410.1</source>
        <translation>MONTIRA THERMAL STRESS - Panel     V10.03 190410.1</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Versão</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Dry</source>
        <translation>Dry</translation>
    </message>
    <message>
        <source>Úmido</source>
        <translation>Wet</translation>
    </message>
    <message>
        <source>Globo</source>
        <translation>Globe</translation>
    </message>
    <message>
        <source>%UR</source>
        <translation>%RH</translation>
    </message>
    <message>
        <source>Orvalho</source>
        <translation>Dew pt.</translation>
    </message>
    <message>
        <source>I.C.</source>
        <translation>H.I.</translation>
    </message>
    <message>
        <source>Humidex</source>
        <translation>Humidex</translation>
    </message>
    <message>
        <source>IBUTGi</source>
        <translation>WBGTi</translation>
    </message>
    <message>
        <source>IBUTGo</source>
        <translation>WBGTo</translation>
    </message>
    <message>
        <source>Vel. ar</source>
        <translation>Air speed</translation>
    </message>
    <message>
        <source>Twc</source>
        <translation>Twc</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>BT</source>
        <translation>BT</translation>
    </message>
    <message>
        <source>Registro</source>
        <translation>Recording</translation>
    </message>
</context>
<context>
    <name>montira::Port</name>
    <message>
        <source>COM Port</source>
        <translation>COM Port</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>AutoScan</source>
        <translation>AutoScan</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Device Manager</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Sem gerenciador de dispositivos neste sistema: as portas que o sistema informa já estão na lista, com descrição e fabricante na dica.</source>
        <translation>No device manager on this system: the ports the system reports are already in the list, with their description and manufacturer in the tool tip.</translation>
    </message>
    <message>
        <source>Usar o medidor simulado</source>
        <translation>Use the simulated meter</translation>
    </message>
    <message>
        <source>Medidor simulado, dentro do programa</source>
        <translation>Simulated meter, inside the program</translation>
    </message>
    <message>
        <source>Nenhuma porta serial foi encontrada neste computador: ligue o cabo do medidor e tente de novo.</source>
        <translation>No serial port was found on this computer: connect the meter&apos;s cable and try again.</translation>
    </message>
    <message>
        <source>Sem permissão para abrir %1. No Linux, entre no grupo dialout e abra a sessão de novo.</source>
        <translation>No permission to open %1. On Linux, join the dialout group and log in again.</translation>
    </message>
</context>
<context>
    <name>montira::ui::WorkLoad</name>
    <message>
        <source>Ambiente e trabalho</source>
        <translation>Environment and work</translation>
    </message>
    <message>
        <source>Avaliação de Trabalho</source>
        <translation>Work Evaluation</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Ajuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>REFERENCE</source>
        <translation>REFERENCE</translation>
    </message>
    <message>
        <source>Funcionário</source>
        <translation>Employee</translation>
    </message>
    <message>
        <source>Vestimentas</source>
        <translation>Clothing</translation>
    </message>
    <message>
        <source>Idade</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Peso</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>kg  (</source>
        <translation>kg  (</translation>
    </message>
    <message>
        <source>Lbs)</source>
        <translation>Lbs)</translation>
    </message>
    <message>
        <source>Posição e movimentação do corpo</source>
        <translation>Body position and movement</translation>
    </message>
    <message>
        <source>minuto (s) / hora</source>
        <translation>minute(s) / hour</translation>
    </message>
    <message>
        <source>Tipo de trabalho</source>
        <translation>Type of work</translation>
    </message>
    <message>
        <source>IBUTGs e regimes de trabalho / descanso</source>
        <translation>WBGTs and work/rest regimes</translation>
    </message>
    <message>
        <source>Trabalho contínuo</source>
        <translation>Continuous work</translation>
    </message>
    <message>
        <source>75% do tempo em trabalho e 25% do tempo em descanso a cada hora </source>
        <translation>75% of the time working and 25% resting, each hour </translation>
    </message>
    <message>
        <source>50% do tempo em trabalho e 50% do tempo em descanso a cada hora </source>
        <translation>50% of the time working and 50% resting, each hour </translation>
    </message>
    <message>
        <source>25% do tempo em trabalho e 75% do tempo em descanso a cada hora </source>
        <translation>25% of the time working and 75% resting, each hour </translation>
    </message>
    <message>
        <source>Nível de atividade :</source>
        <translation>Activity level :</translation>
    </message>
    <message>
        <source>IBUTG interno - média:</source>
        <translation>WBGT indoor - mean:</translation>
    </message>
    <message>
        <source>IBUTG externo - média:</source>
        <translation>WBGT outdoor - mean:</translation>
    </message>
    <message>
        <source>Nome:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Os regimes de trabalho / descanso podem ser adotados de acordo com os valores
de média do IBUTG em atividades internas ou externas.</source>
        <translation>The work/rest regimes may be adopted according to the mean
WBGT values in indoor or outdoor activities.</translation>
    </message>
</context>
</TS>
