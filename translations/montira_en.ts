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
        <source>Vestimenta:</source>
        <translation>Clothing:</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>
menos de 60 minutos de dados</source>
        <translation>
less than 60 minutes of data</translation>
    </message>
    <message>
        <source>Total: %1 de 60 min</source>
        <translation>Total: %1 of 60 min</translation>
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
    <message>
        <source>Situação 1</source>
        <translation>Situation 1</translation>
    </message>
    <message>
        <source>Abrir avaliação...</source>
        <translation>Open evaluation...</translation>
    </message>
    <message>
        <source>Salvar avaliação...</source>
        <translation>Save evaluation...</translation>
    </message>
    <message>
        <source>Dados do laudo...</source>
        <translation>Report details...</translation>
    </message>
    <message>
        <source>Avaliação (*.json)</source>
        <translation>Evaluation (*.json)</translation>
    </message>
    <message>
        <source>Abrir avaliação</source>
        <translation>Open evaluation</translation>
    </message>
    <message>
        <source>Salvar avaliação</source>
        <translation>Save evaluation</translation>
    </message>
    <message>
        <source>Arquivo de dados</source>
        <translation>Data file</translation>
    </message>
    <message>
        <source>Arquivo da cabeça</source>
        <translation>Head file</translation>
    </message>
    <message>
        <source>Arquivo do abdômen</source>
        <translation>Abdomen file</translation>
    </message>
    <message>
        <source>Arquivo do tornozelo</source>
        <translation>Ankle file</translation>
    </message>
    <message>
        <source>Dados (*.plv)</source>
        <translation>Data (*.plv)</translation>
    </message>
    <message>
        <source>Situações térmicas (minutos somando 60)</source>
        <translation>Thermal situations (minutes adding up to 60)</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>IBUTG (°C)</source>
        <translation>WBGT (°C)</translation>
    </message>
    <message>
        <source>Origem</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>De arquivo...</source>
        <translation>From a file...</translation>
    </message>
    <message>
        <source>Três alturas...</source>
        <translation>Three heights...</translation>
    </message>
    <message>
        <source>Digitada</source>
        <translation>Typed</translation>
    </message>
    <message>
        <source>Uma situação medida à altura do abdômen</source>
        <translation>A situation measured at abdomen height</translation>
    </message>
    <message>
        <source>Uma situação medida na cabeça, no abdômen e no tornozelo</source>
        <translation>A situation measured at head, abdomen and ankle</translation>
    </message>
    <message>
        <source>Uma situação de IBUTG conhecido, digitado na tabela</source>
        <translation>A situation of known WBGT, typed in the table</translation>
    </message>
    <message>
        <source>Situação %1</source>
        <translation>Situation %1</translation>
    </message>
    <message>
        <source>Intervalo da situação escolhida</source>
        <translation>Interval of the chosen situation</translation>
    </message>
    <message>
        <source>Atividades (minutos somando 60)</source>
        <translation>Activities (minutes adding up to 60)</translation>
    </message>
    <message>
        <source>Procurar no quadro da NR-15 (palavras)</source>
        <translation>Search NR-15&apos;s table (words)</translation>
    </message>
    <message>
        <source>%1 (+%2 °C)</source>
        <translation>%1 (+%2 °C)</translation>
    </message>
    <message>
        <source>Uma vestimenta do quadro da NR-9 ou o ajuste em °C (0 ou mais)</source>
        <translation>Clothing from NR-9&apos;s table, or the adjustment in °C (0 or more)</translation>
    </message>
    <message>
        <source>Capuz (+1 °C)</source>
        <translation>Hood (+1 °C)</translation>
    </message>
    <message>
        <source>Trabalhadores aclimatizados</source>
        <translation>Acclimatised workers</translation>
    </message>
    <message>
        <source>Céu aberto sem fonte artificial de calor</source>
        <translation>Open air with no artificial heat source</translation>
    </message>
    <message>
        <source>tabela aberta</source>
        <translation>open table</translation>
    </message>
    <message>
        <source>digitado</source>
        <translation>typed</translation>
    </message>
    <message>
        <source>3 alturas: %1</source>
        <translation>3 heights: %1</translation>
    </message>
    <message>
        <source>IBUTG digitado</source>
        <translation>typed WBGT</translation>
    </message>
    <message>
        <source>Não foi possível abrir %1: %2</source>
        <translation>Could not open %1: %2</translation>
    </message>
    <message>
        <source>A situação &quot;%1&quot; vem de uma tabela que não foi salva: salve os dados num arquivo antes de salvar a avaliação.</source>
        <translation>The situation &quot;%1&quot; comes from a table that was never saved: save the data to a file before saving the evaluation.</translation>
    </message>
    <message>
        <source>IBUTG̅: %1
M̅: %2 W
Ajuste da vestimenta: %3</source>
        <translation>Mean WBGT: %1
M̅: %2 W
Clothing adjustment: %3</translation>
    </message>
    <message>
        <source>Exposição E: %1
Nível de ação: %2 (fórmula %3)
Limite: %4 (fórmula %5)</source>
        <translation>Exposure E: %1
Action level: %2 (formula %3)
Limit: %4 (formula %5)</translation>
    </message>
    <message>
        <source>Dados do laudo</source>
        <translation>Report details</translation>
    </message>
    <message>
        <source>Empresa:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>CNPJ (opcional):</source>
        <translation>CNPJ (optional):</translation>
    </message>
    <message>
        <source>Setor:</source>
        <translation>Department:</translation>
    </message>
    <message>
        <source>Trabalhador ou função:</source>
        <translation>Worker or role:</translation>
    </message>
    <message>
        <source>Local:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>Avaliador:</source>
        <translation>Evaluator:</translation>
    </message>
    <message>
        <source>Registro profissional:</source>
        <translation>Professional registration:</translation>
    </message>
    <message>
        <source>Instrumento, modelo:</source>
        <translation>Instrument model:</translation>
    </message>
    <message>
        <source>N.º de série:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>Certificado de calibração:</source>
        <translation>Calibration certificate:</translation>
    </message>
    <message>
        <source>Calibrado em (DD/MM/AAAA):</source>
        <translation>Calibrated on (DD/MM/YYYY):</translation>
    </message>
    <message>
        <source>Observações:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>Tensão térmica (ISO 7933)...</source>
        <translation>Heat strain (ISO 7933)...</translation>
    </message>
</context>
<context>
    <name>Exposure</name>
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
    <message>
        <source>fora da faixa da tabela</source>
        <translation>outside the table&apos;s range</translation>
    </message>
</context>
<context>
    <name>ExposureReport</name>
    <message>
        <source>Avaliação da exposição ao calor</source>
        <translation>Heat exposure evaluation</translation>
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
        <source>Minutos</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Atividade</source>
        <translation>Activity</translation>
    </message>
    <message>
        <source>Resultado: %1</source>
        <translation>Result: %1</translation>
    </message>
    <message>
        <source>abdômen</source>
        <translation>abdomen</translation>
    </message>
    <message>
        <source>cabeça</source>
        <translation>head</translation>
    </message>
    <message>
        <source>tornozelo</source>
        <translation>ankle</translation>
    </message>
    <message>
        <source>Laudo de avaliação de calor (IBUTG) — NR-15 Anexo 3, NR-9 Anexo 3, NHO 06</source>
        <translation>Heat (WBGT) evaluation report — NR-15 Annex 3, NR-9 Annex 3, NHO 06</translation>
    </message>
    <message>
        <source>Identificação</source>
        <translation>Identification</translation>
    </message>
    <message>
        <source>Empresa: %1 (CNPJ %2)</source>
        <translation>Company: %1 (CNPJ %2)</translation>
    </message>
    <message>
        <source>Trabalhador ou função: %1</source>
        <translation>Worker or role: %1</translation>
    </message>
    <message>
        <source>Local: %1</source>
        <translation>Place: %1</translation>
    </message>
    <message>
        <source>Avaliador: %1 — registro profissional: %2</source>
        <translation>Evaluator: %1 — professional registration: %2</translation>
    </message>
    <message>
        <source>Instrumento: %1, n.º de série %2; certificado de calibração %3 de %4</source>
        <translation>Instrument: %1, serial number %2; calibration certificate %3 of %4</translation>
    </message>
    <message>
        <source>Método</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Exposição ao calor avaliada pelo IBUTG médio ponderado no tempo e pela taxa metabólica média dos 60 minutos corridos de maior exposição, conforme a NHO 06 da Fundacentro (2.ª edição, 2017); limite de exposição pelo Quadro 1 do Anexo 3 da NR-15 e nível de ação e ajustes de vestimenta pelo Anexo 3 da NR-9.</source>
        <translation>Heat exposure evaluated by the time-weighted mean WBGT and the mean metabolic rate of the worst 60 continuous minutes, following Fundacentro&apos;s NHO 06 (2nd edition, 2017); exposure limit from NR-15 Annex 3, Quadro 1, and action level and clothing adjustments from NR-9 Annex 3.</translation>
    </message>
    <message>
        <source>Índice: %1. IBUTGi = 0,7·tbn + 0,3·tg; IBUTGo = 0,7·tbn + 0,1·tbs + 0,2·tg; em três alturas, IBUTG = (IBUTG cabeça + 2·IBUTG abdômen + IBUTG tornozelo) / 4.</source>
        <translation>Index: %1. WBGTi = 0.7·tnw + 0.3·tg; WBGTo = 0.7·tnw + 0.1·tdb + 0.2·tg; at three heights, WBGT = (WBGT head + 2·WBGT abdomen + WBGT ankle) / 4.</translation>
    </message>
    <message>
        <source>IBUTG̅ = Σ IBUTGᵢ·tᵢ / 60; M̅ = Σ Mᵢ·tᵢ / 60; E = IBUTG̅ + ajuste da vestimenta, arredondado a uma casa; limite e nível de ação lidos nas tabelas na linha do maior M tabelado não acima de M̅ (fórmulas: 56,7 − 11,5·log M̅ e 59,9 − 14,1·log M̅).</source>
        <translation>Mean WBGT = Σ WBGTᵢ·tᵢ / 60; M̅ = Σ Mᵢ·tᵢ / 60; E = mean WBGT + clothing adjustment, rounded to one decimal; limit and action level read from the tables at the row of the highest tabulated M not above M̅ (formulas: 56.7 − 11.5·log M̅ and 59.9 − 14.1·log M̅).</translation>
    </message>
    <message>
        <source>Situações térmicas</source>
        <translation>Thermal situations</translation>
    </message>
    <message>
        <source>Situação</source>
        <translation>Situation</translation>
    </message>
    <message>
        <source>IBUTG (°C)</source>
        <translation>WBGT (°C)</translation>
    </message>
    <message>
        <source>%1 — %2 min, IBUTG %3</source>
        <translation>%1 — %2 min, WBGT %3</translation>
    </message>
    <message>
        <source>IBUTG digitado.</source>
        <translation>Typed WBGT.</translation>
    </message>
    <message>
        <source>%1: IBUTG digitado, %2</source>
        <translation>%1: typed WBGT, %2</translation>
    </message>
    <message>
        <source>%1: %2, de %3 a %4 (%5 min de leituras): %6</source>
        <translation>%1: %2, from %3 to %4 (%5 min of readings): %6</translation>
    </message>
    <message>
        <source>menos de 60 minutos de dados</source>
        <translation>less than 60 minutes of data</translation>
    </message>
    <message>
        <source>Atividades</source>
        <translation>Activities</translation>
    </message>
    <message>
        <source>M (W)</source>
        <translation>M (W)</translation>
    </message>
    <message>
        <source>Vestimenta</source>
        <translation>Clothing</translation>
    </message>
    <message>
        <source>ajuste digitado</source>
        <translation>typed adjustment</translation>
    </message>
    <message>
        <source>%1: %2; capuz: %3</source>
        <translation>%1: %2; hood: %3</translation>
    </message>
    <message>
        <source>sim (+%1)</source>
        <translation>yes (+%1)</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Sem resultado: %1</source>
        <translation>No result: %1</translation>
    </message>
    <message>
        <source>Fórmula</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>IBUTG̅</source>
        <translation>Mean WBGT</translation>
    </message>
    <message>
        <source>M̅</source>
        <translation>M̅</translation>
    </message>
    <message>
        <source>Ajuste da vestimenta (com capuz)</source>
        <translation>Clothing adjustment (with hood)</translation>
    </message>
    <message>
        <source>E = IBUTG̅ + ajuste, arredondado</source>
        <translation>E = mean WBGT + adjustment, rounded</translation>
    </message>
    <message>
        <source>Limite de exposição (NR-15)</source>
        <translation>Exposure limit (NR-15)</translation>
    </message>
    <message>
        <source>Nível de ação (NR-9)</source>
        <translation>Action level (NR-9)</translation>
    </message>
    <message>
        <source>Margem (limite − E)</source>
        <translation>Margin (limit − E)</translation>
    </message>
    <message>
        <source>Medidas e aclimatização</source>
        <translation>Measures and acclimatisation</translation>
    </message>
    <message>
        <source>Observações</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Registro profissional: %1</source>
        <translation>Professional registration: %1</translation>
    </message>
    <message>
        <source>tabela aberta</source>
        <translation>open table</translation>
    </message>
    <message>
        <source>Valor (tabela)</source>
        <translation>Value (table)</translation>
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
    <message>
        <source>%1 não foi gravado: os textos não voltariam do arquivo como estão (quebra de linha, caractere de controle ou mais de 64 KB).</source>
        <translation>%1 was not saved: the texts would not read back as they are (a line break, a control character or more than 64 KB).</translation>
    </message>
</context>
<context>
    <name>HeatStrain</name>
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
        <source>Clima</source>
        <translation>Climate</translation>
    </message>
    <message>
        <source>Clima digitado</source>
        <translation>Typed climate</translation>
    </message>
    <message>
        <source>Temperatura do ar (°C):</source>
        <translation>Air temperature (°C):</translation>
    </message>
    <message>
        <source>Temperatura de globo (°C):</source>
        <translation>Globe temperature (°C):</translation>
    </message>
    <message>
        <source>Diâmetro do globo (m):</source>
        <translation>Globe diameter (m):</translation>
    </message>
    <message>
        <source>Emissividade do globo:</source>
        <translation>Globe emissivity:</translation>
    </message>
    <message>
        <source>Velocidade do ar (m/s):</source>
        <translation>Air speed (m/s):</translation>
    </message>
    <message>
        <source>Umidade relativa (%):</source>
        <translation>Relative humidity (%):</translation>
    </message>
    <message>
        <source>Radiante média:</source>
        <translation>Mean radiant:</translation>
    </message>
    <message>
        <source>Trabalho e trabalhador</source>
        <translation>Work and worker</translation>
    </message>
    <message>
        <source>Taxa metabólica:</source>
        <translation>Metabolic rate:</translation>
    </message>
    <message>
        <source>Trabalho externo (W/m²):</source>
        <translation>External work (W/m²):</translation>
    </message>
    <message>
        <source>Vestimenta (clo):</source>
        <translation>Clothing (clo):</translation>
    </message>
    <message>
        <source>Postura:</source>
        <translation>Posture:</translation>
    </message>
    <message>
        <source>Aclimatado</source>
        <translation>Acclimatised</translation>
    </message>
    <message>
        <source>Bebe água à vontade</source>
        <translation>Drinks freely</translation>
    </message>
    <message>
        <source>Duração (min):</source>
        <translation>Duration (min):</translation>
    </message>
    <message>
        <source>Massa (kg):</source>
        <translation>Body mass (kg):</translation>
    </message>
    <message>
        <source>Altura (m):</source>
        <translation>Height (m):</translation>
    </message>
    <message>
        <source>parado</source>
        <translation>standing still</translation>
    </message>
    <message>
        <source>Marcha (m/s):</source>
        <translation>Walking speed (m/s):</translation>
    </message>
    <message>
        <source>todas</source>
        <translation>all</translation>
    </message>
    <message>
        <source>Ângulo marcha-vento (°):</source>
        <translation>Walking-wind angle (°):</translation>
    </message>
    <message>
        <source>Exposição máxima</source>
        <translation>Maximum exposure</translation>
    </message>
    <message>
        <source>Perda de água, trabalhador médio:</source>
        <translation>Water loss, mean worker:</translation>
    </message>
    <message>
        <source>Perda de água, 95 % dos trabalhadores:</source>
        <translation>Water loss, 95 % of workers:</translation>
    </message>
    <message>
        <source>Temperatura retal de 38 °C:</source>
        <translation>Rectal temperature of 38 °C:</translation>
    </message>
    <message>
        <source>Temperatura retal ao fim:</source>
        <translation>Final rectal temperature:</translation>
    </message>
    <message>
        <source>Perda de água ao fim:</source>
        <translation>Final water loss:</translation>
    </message>
    <message>
        <source>Valor inválido: %1</source>
        <translation>Invalid value: %1</translation>
    </message>
    <message>
        <source>temperatura do ar</source>
        <translation>air temperature</translation>
    </message>
    <message>
        <source>temperatura de globo</source>
        <translation>globe temperature</translation>
    </message>
    <message>
        <source>diâmetro do globo</source>
        <translation>globe diameter</translation>
    </message>
    <message>
        <source>emissividade do globo</source>
        <translation>globe emissivity</translation>
    </message>
    <message>
        <source>velocidade do ar</source>
        <translation>air speed</translation>
    </message>
    <message>
        <source>umidade relativa</source>
        <translation>relative humidity</translation>
    </message>
    <message>
        <source>taxa metabólica</source>
        <translation>metabolic rate</translation>
    </message>
    <message>
        <source>trabalho externo</source>
        <translation>external work</translation>
    </message>
    <message>
        <source>vestimenta</source>
        <translation>clothing</translation>
    </message>
    <message>
        <source>duração</source>
        <translation>duration</translation>
    </message>
    <message>
        <source>massa</source>
        <translation>body mass</translation>
    </message>
    <message>
        <source>altura</source>
        <translation>height</translation>
    </message>
    <message>
        <source>marcha</source>
        <translation>walking speed</translation>
    </message>
    <message>
        <source>ângulo marcha-vento</source>
        <translation>walking-wind angle</translation>
    </message>
    <message>
        <source>A umidade vem do bulbo úmido natural do medidor, pela fórmula psicrométrica do medidor: em ar parado ou com calor radiante ela pode ler alta. Se tiver uma umidade medida, digite-a.</source>
        <translation>The humidity comes from the meter&apos;s natural wet bulb, through the meter&apos;s psychrometric formula: in still air or radiant heat it can read high. If you have a measured humidity, type it in.</translation>
    </message>
    <message>
        <source>Umidade digitada. A do medidor vem do bulbo úmido natural pela fórmula psicrométrica do medidor e pode ler alta em ar parado ou com calor radiante.</source>
        <translation>Typed humidity. The meter&apos;s comes from the natural wet bulb through the meter&apos;s psychrometric formula and can read high in still air or radiant heat.</translation>
    </message>
    <message>
        <source>Caso fora do campo de validade do modelo: os resultados são só indicativos.</source>
        <translation>Case outside the model&apos;s validity range: the results are indicative only.</translation>
    </message>
    <message>
        <source>Não foi possível gravar %1: %2</source>
        <translation>Could not write %1: %2</translation>
    </message>
    <message>
        <source>Tensão térmica prevista (ISO 7933)</source>
        <translation>Predicted heat strain (ISO 7933)</translation>
    </message>
</context>
<context>
    <name>HeatStrainReport</name>
    <message>
        <source>Tensão térmica prevista (ISO 7933)</source>
        <translation>Predicted heat strain (ISO 7933)</translation>
    </message>
    <message>
        <source>sentado</source>
        <translation>sitting</translation>
    </message>
    <message>
        <source>em pé</source>
        <translation>standing</translation>
    </message>
    <message>
        <source>agachado</source>
        <translation>crouching</translation>
    </message>
    <message>
        <source>%1 min (a duração toda)</source>
        <translation>%1 min (the whole duration)</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>minutos</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Temperatura retal (°C)</source>
        <translation>Rectal temperature (°C)</translation>
    </message>
    <message>
        <source>Perda de água (g)</source>
        <translation>Water loss (g)</translation>
    </message>
    <message>
        <source>Limites</source>
        <translation>Limits</translation>
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
        <source>Clima</source>
        <translation>Climate</translation>
    </message>
    <message>
        <source>Temperatura do ar</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>Temperatura de globo (globo de %1 m, ε %2)</source>
        <translation>Globe temperature (%1 m globe, ε %2)</translation>
    </message>
    <message>
        <source>Temperatura radiante média</source>
        <translation>Mean radiant temperature</translation>
    </message>
    <message>
        <source>Velocidade do ar</source>
        <translation>Air speed</translation>
    </message>
    <message>
        <source>Umidade relativa</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <source>Pressão parcial de vapor</source>
        <translation>Partial vapour pressure</translation>
    </message>
    <message>
        <source>A umidade é a que o medidor deriva do bulbo úmido natural pela sua fórmula psicrométrica; em ar parado ou com calor radiante ela pode ler alta.</source>
        <translation>The humidity is the one the meter derives from the natural wet bulb through its psychrometric formula; in still air or radiant heat it can read high.</translation>
    </message>
    <message>
        <source>Trabalho e trabalhador</source>
        <translation>Work and worker</translation>
    </message>
    <message>
        <source>Taxa metabólica</source>
        <translation>Metabolic rate</translation>
    </message>
    <message>
        <source>%1 W/m² (%2 met)</source>
        <translation>%1 W/m² (%2 met)</translation>
    </message>
    <message>
        <source>Trabalho externo</source>
        <translation>External work</translation>
    </message>
    <message>
        <source>Isolamento da vestimenta</source>
        <translation>Clothing insulation</translation>
    </message>
    <message>
        <source>Postura</source>
        <translation>Posture</translation>
    </message>
    <message>
        <source>Aclimatado</source>
        <translation>Acclimatised</translation>
    </message>
    <message>
        <source>sim</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>não</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Bebe água à vontade</source>
        <translation>Drinks freely</translation>
    </message>
    <message>
        <source>Massa e altura</source>
        <translation>Body mass and height</translation>
    </message>
    <message>
        <source>%1 kg, %2 m</source>
        <translation>%1 kg, %2 m</translation>
    </message>
    <message>
        <source>Marcha</source>
        <translation>Walking</translation>
    </message>
    <message>
        <source>%1 m/s a %2° do vento</source>
        <translation>%1 m/s at %2° to the wind</translation>
    </message>
    <message>
        <source>%1 m/s, em todas as direções</source>
        <translation>%1 m/s, in every direction</translation>
    </message>
    <message>
        <source>Duração</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Exposição máxima pela perda de água, trabalhador médio (%1 g)</source>
        <translation>Maximum exposure by water loss, mean worker (%1 g)</translation>
    </message>
    <message>
        <source>Exposição máxima pela perda de água, 95 % dos trabalhadores (%1 g)</source>
        <translation>Maximum exposure by water loss, 95 % of workers (%1 g)</translation>
    </message>
    <message>
        <source>Exposição máxima pela temperatura retal (38 °C)</source>
        <translation>Maximum exposure by rectal temperature (38 °C)</translation>
    </message>
    <message>
        <source>Temperatura retal ao fim</source>
        <translation>Final rectal temperature</translation>
    </message>
    <message>
        <source>Perda de água ao fim</source>
        <translation>Final water loss</translation>
    </message>
    <message>
        <source>Caso fora do campo de validade do modelo (ar 15 a 50 °C, radiante menos ar 0 a 60 °C, ar 0 a 3 m/s, 100 a 450 W/m², 0,1 a 1,0 clo, vapor 0 a 4,5 kPa): os resultados são só indicativos.</source>
        <translation>Case outside the model&apos;s validity range (air 15 to 50 °C, radiant minus air 0 to 60 °C, air 0 to 3 m/s, 100 to 450 W/m², 0.1 to 1.0 clo, vapour 0 to 4.5 kPa): the results are indicative only.</translation>
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
    <message>
        <source>%1 gravações completas</source>
        <translation>%1 records complete</translation>
    </message>
    <message>
        <source>Tensão térmica (ISO 7933)</source>
        <translation>Heat strain (ISO 7933)</translation>
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
    <message>
        <source>Tensão térmica (ISO 7933)</source>
        <translation>Heat strain (ISO 7933)</translation>
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
    <message>
        <source>Sem comunicação</source>
        <translation>No communication</translation>
    </message>
</context>
<context>
    <name>MeterBtn</name>
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
    <message>
        <source>Unidade °C / °F</source>
        <translation>°C / °F unit</translation>
    </message>
    <message>
        <source>Para baixo</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Sair (Esc)</source>
        <translation>Escape (Esc)</translation>
    </message>
    <message>
        <source>Congelar a leitura (Hold)</source>
        <translation>Hold the reading (Hold)</translation>
    </message>
    <message>
        <source>Máximo / mínimo</source>
        <translation>Maximum / minimum</translation>
    </message>
    <message>
        <source>Gravar na memória (Mem)</source>
        <translation>Store in memory (Mem)</translation>
    </message>
    <message>
        <source>Modo</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Ler a memória (Read)</source>
        <translation>Read the memory (Read)</translation>
    </message>
    <message>
        <source>Iniciar / parar o registro (Run/Stop)</source>
        <translation>Start / stop logging (Run/Stop)</translation>
    </message>
    <message>
        <source>Relógio (Time)</source>
        <translation>Clock (Time)</translation>
    </message>
    <message>
        <source>Para cima</source>
        <translation>Up</translation>
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
    <name>OpenHeatStrain</name>
    <message>
        <source>Médias da hora de %1 a %2 (%3 leituras)</source>
        <translation>Means of the hour from %1 to %2 (%3 readings)</translation>
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
    <name>Regulations</name>
    <message>
        <source>pt</source>
        <extracomment>The language of this translation as a code (&quot;en&quot; in English).</extracomment>
        <translation>en</translation>
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
    <name>ReportPages</name>
    <message>
        <source>montira %1 — %2</source>
        <translation>montira %1 — %2</translation>
    </message>
    <message>
        <source>página %1 de %2</source>
        <translation>page %1 of %2</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Não foi possível gravar o arquivo %1: %2</source>
        <translation>Could not write the file %1: %2</translation>
    </message>
    <message>
        <source>nenhum programa lê este FIFO</source>
        <translation>no program is reading this FIFO</translation>
    </message>
    <message>
        <source>não é um arquivo comum</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>é uma pasta</source>
        <translation>it is a folder</translation>
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
        <source>MONTIRA DE STRESS TERMICO</source>
        <translation>MONTIRA THERMAL STRESS</translation>
    </message>
    <message>
        <source>Sem comunicação</source>
        <translation>No communication</translation>
    </message>
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
    <name>StoppedNotice</name>
    <message>
        <source>dd/MM/yyyy hh:mm:ss</source>
        <translation>yyyy-MM-dd hh:mm:ss</translation>
    </message>
    <message>
        <source>%1 (continuação de %2)</source>
        <translation>%1 (continuing %2)</translation>
    </message>
    <message>
        <source>Registro interrompido em %1: o medidor parou de enviar dados (Sem comunicação). %2 registro(s) gravado(s) em %3. O registro não recomeça sozinho.</source>
        <translation>Recording stopped at %1: the meter stopped sending data (No communication). %2 record(s) saved in %3. The recording does not resume by itself.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Survey</name>
    <message>
        <source>situação %1</source>
        <translation>situation %1</translation>
    </message>
    <message>
        <source>situação %1 (%2)</source>
        <translation>situation %1 (%2)</translation>
    </message>
    <message>
        <source>abdômen</source>
        <translation>abdomen</translation>
    </message>
    <message>
        <source>cabeça</source>
        <translation>head</translation>
    </message>
    <message>
        <source>tornozelo</source>
        <translation>ankle</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>não é um arquivo de dados</source>
        <translation>not a data file</translation>
    </message>
    <message>
        <source>IBUTG inválido: %1</source>
        <translation>invalid WBGT: %1</translation>
    </message>
    <message>
        <source>sem arquivo nem IBUTG</source>
        <translation>neither a file nor a WBGT</translation>
    </message>
    <message>
        <source>&quot;from&quot; inválido: %1 (AA/MM/DD hh:mm:ss)</source>
        <translation>invalid &quot;from&quot;: %1 (YY/MM/DD hh:mm:ss)</translation>
    </message>
    <message>
        <source>&quot;to&quot; inválido: %1 (AA/MM/DD hh:mm:ss)</source>
        <translation>invalid &quot;to&quot;: %1 (YY/MM/DD hh:mm:ss)</translation>
    </message>
    <message>
        <source>intervalo vazio: %1 a %2</source>
        <translation>empty interval: %1 to %2</translation>
    </message>
    <message>
        <source>nenhuma leitura de %1 no intervalo</source>
        <translation>no %1 reading in the interval</translation>
    </message>
    <message>
        <source>nenhuma leitura de %1</source>
        <translation>no %1 reading</translation>
    </message>
    <message>
        <source>nenhuma situação</source>
        <translation>no situation</translation>
    </message>
    <message>
        <source>%1: duração inválida: %2 min</source>
        <translation>%1: invalid duration: %2 min</translation>
    </message>
    <message>
        <source>%1: IBUTG digitado e alturas ao mesmo tempo</source>
        <translation>%1: a typed WBGT and heights at once</translation>
    </message>
    <message>
        <source>%1: IBUTG inválido: %2</source>
        <translation>%1: invalid WBGT: %2</translation>
    </message>
    <message>
        <source>%1: %2 alturas; são 1 (abdômen) ou 3 (cabeça, abdômen, tornozelo)</source>
        <translation>%1: %2 heights; there are 1 (abdomen) or 3 (head, abdomen, ankle)</translation>
    </message>
    <message>
        <source>as situações somam %1 min, não 60 min</source>
        <translation>the situations add up to %1 min, not 60 min</translation>
    </message>
    <message>
        <source>atividades: %1</source>
        <translation>activities: %1</translation>
    </message>
    <message>
        <source>vestimenta: ajuste inválido: %1 (0 °C ou mais)</source>
        <translation>clothing: invalid adjustment: %1 (0 °C or more)</translation>
    </message>
    <message>
        <source>menos de %1 minutos de dados</source>
        <translation>less than %1 minutes of data</translation>
    </message>
    <message>
        <source>indicativo: %1</source>
        <translation>indicative: %1</translation>
    </message>
    <message>
        <source>M̅ acima da última linha das tabelas: sem limite nem nível de ação tabelados (fora da faixa da tabela); a exposição não pode ser julgada por elas.</source>
        <translation>M̅ above the tables&apos; last row: no tabulated limit or action level (outside the table&apos;s range); the exposure cannot be judged by them.</translation>
    </message>
    <message>
        <source>Abaixo do nível de ação: manter as condições e reavaliar quando mudarem.</source>
        <translation>Below the action level: keep the conditions and evaluate again when they change.</translation>
    </message>
    <message>
        <source>Acima do nível de ação (NR-9, Anexo 3): adotar medidas preventivas — orientação dos trabalhadores sobre os riscos e os sinais de sobrecarga térmica, disponibilização de água fresca e local de descanso, controle médico e monitoramento periódico da exposição.</source>
        <translation>Above the action level (NR-9, Annex 3): take preventive measures — instruct the workers on the risks and the signs of heat strain, provide cool water and a place to rest, medical surveillance and periodic monitoring of the exposure.</translation>
    </message>
    <message>
        <source>Acima do limite de exposição: adotar medidas corretivas (NR-9, Anexo 3) — redução da carga térmica na fonte, ventilação, barreiras e proteção radiante, adequação do regime de trabalho e descanso e da taxa metabólica.</source>
        <translation>Above the exposure limit: take corrective measures (NR-9, Annex 3) — reduce the heat load at its source, ventilation, radiant barriers and shielding, and adjust the work-rest regime and the metabolic rate.</translation>
    </message>
    <message>
        <source>Trabalho a céu aberto sem fonte artificial de calor: a insalubridade do Anexo 3 da NR-15 não se aplica.</source>
        <translation>Open-air work with no artificial heat source: NR-15 Annex 3&apos;s insalubrity does not apply.</translation>
    </message>
    <message>
        <source>Caracteriza insalubridade em grau médio (NR-15, Anexo 3).</source>
        <translation>Insalubrity in the medium grade (NR-15, Annex 3).</translation>
    </message>
    <message>
        <source>Trabalho a céu aberto sem fonte artificial de calor.</source>
        <translation>Open-air work with no artificial heat source.</translation>
    </message>
    <message>
        <source>Trabalhadores aclimatizados.</source>
        <translation>Acclimatised workers.</translation>
    </message>
    <message>
        <source>Trabalhadores não aclimatizados: a aclimatização deve ser conduzida antes da exposição plena.</source>
        <translation>Workers not acclimatised: acclimatisation must be carried out before full exposure.</translation>
    </message>
    <message>
        <source>Resultado indicativo: %1 numa situação que devia tê-los.</source>
        <translation>Indicative result: %1 in a situation that should have them.</translation>
    </message>
    <message>
        <source>texto</source>
        <translation>text</translation>
    </message>
    <message>
        <source>número</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>true ou false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>lista</source>
        <translation>a list</translation>
    </message>
    <message>
        <source>objeto</source>
        <translation>an object</translation>
    </message>
    <message>
        <source>&quot;%1&quot; deve ser %2</source>
        <translation>&quot;%1&quot; must be %2</translation>
    </message>
    <message>
        <source>não é um JSON válido: %1 (posição %2)</source>
        <translation>not valid JSON: %1 (position %2)</translation>
    </message>
    <message>
        <source>formato desconhecido: &quot;%1&quot; (esperado &quot;%2&quot;)</source>
        <translation>unknown format: &quot;%1&quot; (expected &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>versão %1 não suportada (esta é a %2)</source>
        <translation>version %1 not supported (this is %2)</translation>
    </message>
    <message>
        <source>&quot;index&quot; desconhecido: %1 (IBUTGi ou IBUTGo)</source>
        <translation>unknown &quot;index&quot;: %1 (IBUTGi or IBUTGo)</translation>
    </message>
    <message>
        <source>deve ser um objeto</source>
        <translation>must be an object</translation>
    </message>
    <message>
        <source>falta &quot;minutes&quot;</source>
        <translation>&quot;minutes&quot; missing</translation>
    </message>
    <message>
        <source>&quot;heights&quot; tem %1 entradas; são 1 (abdômen) ou 3 (cabeça, abdômen, tornozelo), ou &quot;wbgt&quot;</source>
        <translation>&quot;heights&quot; has %1 entries; there are 1 (abdomen) or 3 (head, abdomen, ankle), or &quot;wbgt&quot;</translation>
    </message>
    <message>
        <source>&quot;wbgt&quot; e &quot;heights&quot; ao mesmo tempo</source>
        <translation>&quot;wbgt&quot; and &quot;heights&quot; at once</translation>
    </message>
    <message>
        <source>situação %1, altura %2</source>
        <translation>situation %1, height %2</translation>
    </message>
    <message>
        <source>sem &quot;file&quot; nem &quot;wbgt&quot;</source>
        <translation>neither &quot;file&quot; nor &quot;wbgt&quot;</translation>
    </message>
    <message>
        <source>&quot;file&quot; e &quot;wbgt&quot; ao mesmo tempo</source>
        <translation>&quot;file&quot; and &quot;wbgt&quot; at once</translation>
    </message>
    <message>
        <source>atividade %1</source>
        <translation>activity %1</translation>
    </message>
    <message>
        <source>falta &quot;watts&quot;</source>
        <translation>&quot;watts&quot; missing</translation>
    </message>
    <message>
        <source>&quot;clothing&quot; negativo: %1 (0 °C ou mais)</source>
        <translation>negative &quot;clothing&quot;: %1 (0 °C or more)</translation>
    </message>
    <message>
        <source>%1: não é um arquivo</source>
        <translation>%1: not a file</translation>
    </message>
    <message>
        <source>%1: grande demais para uma avaliação</source>
        <translation>%1: too large for an evaluation</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>céu aberto sem fonte artificial de calor: sem insalubridade pela NR-15</source>
        <translation>open air with no artificial heat source: no insalubrity under NR-15</translation>
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
    <message>
        <source>%1: o arquivo já está sendo gravado por outra gravação</source>
        <translation>%1: the file is already being written by another recording</translation>
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
