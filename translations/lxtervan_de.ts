<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BatchText</name>
    <message>
        <source>cannot open: %1</source>
        <translation>kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>there is no header row</source>
        <translation>es gibt keine Kopfzeile</translation>
    </message>
    <message>
        <source>cannot write the output: %1</source>
        <translation>die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The CSV table; standard input when absent or -.</source>
        <translation>Die CSV-Tabelle; die Standardeingabe, wenn sie fehlt oder - ist.</translation>
    </message>
    <message>
        <source>Confidence level of the intervals (default 0.95).</source>
        <translation>Konfidenzniveau der Intervalle (Vorgabe 0.95).</translation>
    </message>
    <message>
        <source>Worker threads (default: all cores).</source>
        <translation>Arbeits-Threads (Vorgabe: alle Kerne).</translation>
    </message>
    <message>
        <source>give at most one file</source>
        <translation>höchstens eine Datei angeben</translation>
    </message>
    <message>
        <source>--level must be a number between 0 and 1</source>
        <translation>--level muss eine Zahl zwischen 0 und 1 sein</translation>
    </message>
    <message>
        <source>--format must be csv, tsv or jsonl</source>
        <translation>--format muss csv, tsv oder jsonl sein</translation>
    </message>
    <message>
        <source>--locale: unknown locale &quot;%1&quot;</source>
        <translation>--locale: unbekanntes Gebietsschema „%1“</translation>
    </message>
    <message>
        <source>--delimiter must be one ASCII character other than a quote</source>
        <translation>--delimiter muss ein ASCII-Zeichen außer einem Anführungszeichen sein</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to 256</source>
        <translation>--jobs muss eine ganze Zahl von 1 bis 256 sein</translation>
    </message>
    <message>
        <source>Row has 1 field; the header has %1.</source>
        <translation>Die Zeile hat 1 Feld; die Kopfzeile hat %1.</translation>
    </message>
    <message>
        <source>Row has %1 fields; the header has %2.</source>
        <translation>Die Zeile hat %1 Felder; die Kopfzeile hat %2.</translation>
    </message>
    <message>
        <source>fields separated by tabs</source>
        <translation>durch Tabulatoren getrennten Feldern</translation>
    </message>
    <message>
        <source>fields separated by %1</source>
        <translation>durch %1 getrennten Feldern</translation>
    </message>
    <message>
        <source>decimal commas</source>
        <translation>Dezimalkommas</translation>
    </message>
    <message>
        <source>decimal points</source>
        <translation>Dezimalpunkten</translation>
    </message>
    <message>
        <source>read with %1 (--delimiter and --locale choose otherwise)</source>
        <translation>gelesen mit %1 (--delimiter und --locale wählen anders)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>the header is a single field that holds %1; is that the delimiter? Then give --delimiter %2</source>
        <translation>die Kopfzeile ist ein einziges Feld, das %1 enthält; ist das der Feldtrenner? Dann geben Sie --delimiter %2 an</translation>
    </message>
    <message>
        <source>1 row</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 rows</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1, none with errors</source>
        <translation>%1, keine mit Fehlern</translation>
    </message>
    <message>
        <source>%1, %2 with errors (first: line %3: %4)</source>
        <translation>%1, %2 mit Fehlern (erster: Zeile %3: %4)</translation>
    </message>
    <message>
        <source>, line %1</source>
        <translation>, Zeile %1</translation>
    </message>
    <message>
        <source>out of memory for a field</source>
        <translation>kein Speicher mehr für ein Feld</translation>
    </message>
    <message>
        <source>a quoted field starts on this line and its closing quote is missing, so the rest of the table was not read</source>
        <translation>in dieser Zeile beginnt ein Feld in Anführungszeichen, dessen schließendes Anführungszeichen fehlt; der Rest der Tabelle wurde daher nicht gelesen</translation>
    </message>
    <message>
        <source>Two-sample t-tests from summary statistics, one per row of a CSV table.
The header must name n1, m1, sd1 (or se1), n2, m2, sd2 (or se2); other columns pass through. Without --delimiter the delimiter is found from the first lines (, ; tab or |: the one that splits them into the same number of fields); without --locale the numbers are read with a decimal comma when the delimiter is not a comma and the numbers of the summary columns have more decimal commas than points, else with a decimal point. On a terminal the tool says what it found. Exit status: 0 done, 1 rows failed under --strict, 2 usage or input error.</source>
        <translation>t-Tests für zwei Stichproben aus zusammenfassenden Kennzahlen, einer je Zeile einer CSV-Tabelle.
Die Kopfzeile muss n1, m1, sd1 (oder se1), n2, m2, sd2 (oder se2) nennen; andere Spalten werden durchgereicht. Ohne --delimiter wird der Feldtrenner aus den ersten Zeilen ermittelt (, ; Tabulator oder |: der, der sie in gleich viele Felder teilt); ohne --locale werden die Zahlen mit Dezimalkomma gelesen, wenn der Feldtrenner kein Komma ist und die Zahlen der Spalten der Kennzahlen mehr Dezimalkommas als -punkte haben, sonst mit Dezimalpunkt. Auf einem Terminal sagt das Programm, was es ermittelt hat. Exit-Status: 0 fertig, 1 fehlerhafte Zeilen mit --strict, 2 Aufruf- oder Eingabefehler.</translation>
    </message>
    <message>
        <source>Put this in front of every result column&apos;s name, say lx_ when the table has a column of the same name.</source>
        <translation>Dies vor den Namen jeder Ergebnisspalte setzen, etwa lx_, wenn die Tabelle eine Spalte gleichen Namens hat.</translation>
    </message>
    <message>
        <source>Input format: csv (comma-separated, or --delimiter) or tsv (tab-separated).</source>
        <translation>Eingabeformat: csv (durch Kommas getrennt, oder --delimiter) oder tsv (durch Tabulatoren getrennt).</translation>
    </message>
    <message>
        <source>Field delimiter of the input and of CSV output: one character, or tab (also \t).</source>
        <translation>Feldtrenner der Eingabe und der CSV-Ausgabe: ein Zeichen, oder tab (auch \t).</translation>
    </message>
    <message>
        <source>Read and write numbers with this locale&apos;s decimal separator, such as de_DE or C.</source>
        <translation>Zahlen mit dem Dezimaltrenner dieses Gebietsschemas lesen und schreiben, etwa de_DE oder C.</translation>
    </message>
    <message>
        <source>Accept the locale&apos;s group separators in numbers (1.500 is 1500 with --locale de_DE); without it such numbers are refused.</source>
        <translation>Tausendertrennzeichen des Gebietsschemas in Zahlen annehmen (1.500 ist 1500 mit --locale de_DE); ohne diese Option werden solche Zahlen abgelehnt.</translation>
    </message>
    <message>
        <source>--input-format must be csv or tsv</source>
        <translation>--input-format muss csv oder tsv sein</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; holds a group separator, so it could mean another number; write it without one, or give --grouping.</source>
        <translation>%1 „%2“ enthält ein Tausendertrennzeichen und könnte daher eine andere Zahl meinen; schreiben Sie sie ohne, oder geben Sie --grouping an.</translation>
    </message>
    <message>
        <source>degrees of freedom N1 + N2 - 2, as the window shows</source>
        <translation>Freiheitsgrade N1 + N2 - 2, wie das Fenster sie zeigt</translation>
    </message>
    <message>
        <source>the window&apos;s t, as it shows it</source>
        <translation>das t des Fensters, wie es es zeigt</translation>
    </message>
    <message>
        <source>the window&apos;s P class, such as &lt;0.05</source>
        <translation>die P-Klasse des Fensters, etwa &lt;0.05</translation>
    </message>
    <message>
        <source>Student&apos;s t with the pooled SD; &gt; 0 when M1 &gt; M2</source>
        <translation>Students t mit gepoolter SD; &gt; 0 bei M1 &gt; M2</translation>
    </message>
    <message>
        <source>its degrees of freedom</source>
        <translation>seine Freiheitsgrade</translation>
    </message>
    <message>
        <source>its two-tailed p</source>
        <translation>sein zweiseitiges p</translation>
    </message>
    <message>
        <source>its one-tailed p for M1 &gt; M2</source>
        <translation>sein einseitiges p für M1 &gt; M2</translation>
    </message>
    <message>
        <source>its one-tailed p for M1 &lt; M2</source>
        <translation>sein einseitiges p für M1 &lt; M2</translation>
    </message>
    <message>
        <source>M1 - M2</source>
        <translation>M1 - M2</translation>
    </message>
    <message>
        <source>lower confidence limit of M1 - M2, pooled SD</source>
        <translation>untere Konfidenzgrenze von M1 - M2, gepoolte SD</translation>
    </message>
    <message>
        <source>upper confidence limit of M1 - M2, pooled SD</source>
        <translation>obere Konfidenzgrenze von M1 - M2, gepoolte SD</translation>
    </message>
    <message>
        <source>Welch&apos;s t</source>
        <translation>Welchs t</translation>
    </message>
    <message>
        <source>its Welch-Satterthwaite degrees of freedom</source>
        <translation>seine Freiheitsgrade nach Welch-Satterthwaite</translation>
    </message>
    <message>
        <source>lower confidence limit of M1 - M2, Welch</source>
        <translation>untere Konfidenzgrenze von M1 - M2, Welch</translation>
    </message>
    <message>
        <source>upper confidence limit of M1 - M2, Welch</source>
        <translation>obere Konfidenzgrenze von M1 - M2, Welch</translation>
    </message>
    <message>
        <source>Cohen&apos;s d: M1 - M2 over the pooled SD</source>
        <translation>Cohens d: M1 - M2 durch die gepoolte SD</translation>
    </message>
    <message>
        <source>Hedges&apos; g: d with the exact small-sample correction</source>
        <translation>Hedges’ g: d mit der exakten Korrektur für kleine Stichproben</translation>
    </message>
    <message>
        <source>lower confidence limit of d (noncentral t)</source>
        <translation>untere Konfidenzgrenze von d (nichtzentrales t)</translation>
    </message>
    <message>
        <source>upper confidence limit of d (noncentral t)</source>
        <translation>obere Konfidenzgrenze von d (nichtzentrales t)</translation>
    </message>
    <message>
        <source>lower confidence limit of g</source>
        <translation>untere Konfidenzgrenze von g</translation>
    </message>
    <message>
        <source>upper confidence limit of g</source>
        <translation>obere Konfidenzgrenze von g</translation>
    </message>
    <message>
        <source>lowest pooled p the rounding of the inputs allows</source>
        <translation>kleinstes gepooltes p, das die Rundung der Eingaben zulässt</translation>
    </message>
    <message>
        <source>highest pooled p the rounding of the inputs allows</source>
        <translation>größtes gepooltes p, das die Rundung der Eingaben zulässt</translation>
    </message>
    <message>
        <source>lowest Welch p the rounding of the inputs allows</source>
        <translation>kleinstes Welch-p, das die Rundung der Eingaben zulässt</translation>
    </message>
    <message>
        <source>highest Welch p the rounding of the inputs allows</source>
        <translation>größtes Welch-p, das die Rundung der Eingaben zulässt</translation>
    </message>
    <message>
        <source>Result columns (after the table&apos;s own; --columns picks and orders them; empty or null when undefined):</source>
        <translation>Ergebnisspalten (nach denen der Tabelle; --columns wählt und ordnet sie; leer oder null, wenn nicht definiert):</translation>
    </message>
    <message>
        <source>--columns: there is no column &quot;%1&quot;; the table has %2, and the results are %3</source>
        <translation>--columns: es gibt keine Spalte „%1“; die Tabelle hat %2, und die Ergebnisse sind %3</translation>
    </message>
    <message>
        <source>the table has a column &quot;%1&quot;, and so do the results; give --prefix (say --prefix lx_) to name the results apart</source>
        <translation>die Tabelle hat eine Spalte „%1“, die Ergebnisse ebenfalls; geben Sie --prefix an (etwa --prefix lx_), um die Ergebnisse davon zu unterscheiden</translation>
    </message>
    <message>
        <source>the table has two columns &quot;%1&quot;, which JSON lines cannot hold apart; pick one with --columns</source>
        <translation>die Tabelle hat zwei Spalten „%1“, die JSON Lines nicht unterscheiden kann; wählen Sie eine mit --columns</translation>
    </message>
    <message>
        <source>--columns names &quot;%1&quot; twice</source>
        <translation>--columns nennt „%1“ zweimal</translation>
    </message>
    <message>
        <source>give either --equivalence or --equivalence-d, not both</source>
        <translation>entweder --equivalence oder --equivalence-d angeben, nicht beide</translation>
    </message>
    <message>
        <source>--equivalence must be a number above 0</source>
        <translation>--equivalence muss eine Zahl über 0 sein</translation>
    </message>
    <message>
        <source>--equivalence-d must be a number above 0</source>
        <translation>--equivalence-d muss eine Zahl über 0 sein</translation>
    </message>
    <message>
        <source>Scale r of the Cauchy prior of the Bayes factors (default 0.707).</source>
        <translation>Skala r der Cauchy-Priori-Verteilung der Bayes-Faktoren (Vorgabe 0.707).</translation>
    </message>
    <message>
        <source>Equivalence tests against the bounds -delta and +delta on M1 - M2.</source>
        <translation>Äquivalenztests gegen die Grenzen -delta und +delta für M1 - M2.</translation>
    </message>
    <message>
        <source>Equivalence tests with the bounds in units of the pooled SD.</source>
        <translation>Äquivalenztests mit den Grenzen in Einheiten der gepoolten SD.</translation>
    </message>
    <message>
        <source>--prior-scale must be a number above 0</source>
        <translation>--prior-scale muss eine Zahl über 0 sein</translation>
    </message>
    <message>
        <source>--columns: &quot;%1&quot; needs --equivalence or --equivalence-d</source>
        <translation>--columns: „%1“ braucht --equivalence oder --equivalence-d</translation>
    </message>
    <message>
        <source>default Bayes factor BF10 (Cauchy prior of scale --prior-scale)</source>
        <translation>Standard-Bayes-Faktor BF10 (Cauchy-Prior mit Skala --prior-scale)</translation>
    </message>
    <message>
        <source>one-sided Bayes factor for M1 &gt; M2 against no difference</source>
        <translation>einseitiger Bayes-Faktor für M1 &gt; M2 gegen keinen Unterschied</translation>
    </message>
    <message>
        <source>one-sided Bayes factor for M1 &lt; M2 against no difference</source>
        <translation>einseitiger Bayes-Faktor für M1 &lt; M2 gegen keinen Unterschied</translation>
    </message>
    <message>
        <source>natural log of BF10 (kept where BF10 is beyond a double)</source>
        <translation>natürlicher Logarithmus von BF10 (auch wo BF10 den Zahlenbereich übersteigt)</translation>
    </message>
    <message>
        <source>p of the equivalence test (two one-sided tests), pooled SD</source>
        <translation>p des Äquivalenztests (zwei einseitige Tests), gepoolte SD</translation>
    </message>
    <message>
        <source>p of the equivalence test (two one-sided tests), Welch</source>
        <translation>p des Äquivalenztests (zwei einseitige Tests), Welch</translation>
    </message>
    <message>
        <source>the equivalence bound on M1 - M2 in raw units</source>
        <translation>die Äquivalenzgrenze für M1 - M2 in Rohwerten</translation>
    </message>
    <message>
        <source>Whole-number items each score averages, for the granularity tests of both sets where a row gives no items1 or items2.</source>
        <translation>Ganzzahlige Items, deren Mittel jeder Wert ist, für die Granularitätstests beider Sätze, wo eine Zeile kein items1 oder items2 angibt.</translation>
    </message>
    <message>
        <source>Significance level of the p check&apos;s decision errors (default 0.05).</source>
        <translation>Signifikanzniveau für die Entscheidungsfehler der p-Prüfung (Vorgabe 0.05).</translation>
    </message>
    <message>
        <source>--items must be a whole number from 1 to 1000000</source>
        <translation>--items muss eine ganze Zahl von 1 bis 1000000 sein</translation>
    </message>
    <message>
        <source>--alpha must be a number between 0 and 1</source>
        <translation>--alpha muss eine Zahl zwischen 0 und 1 sein</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 ist keine Zahl</translation>
    </message>
    <message>
        <source>df_reported must be greater than 0</source>
        <translation>df_reported muss größer als 0 sein</translation>
    </message>
    <message>
        <source>p_reported: cannot read &quot;%1&quot;</source>
        <translation>p_reported: „%1“ ist nicht lesbar</translation>
    </message>
    <message>
        <source>the p of t_reported cannot be computed</source>
        <translation>das p von t_reported lässt sich nicht berechnen</translation>
    </message>
    <message>
        <source>%1 must be a whole number from 1 to 1000000</source>
        <translation>%1 muss eine ganze Zahl von 1 bis 1000000 sein</translation>
    </message>
    <message>
        <source>--columns: &quot;%1&quot; needs the columns n1, m1, sd1, n2, m2 and sd2</source>
        <translation>--columns: „%1“ braucht die Spalten n1, m1, sd1, n2, m2 und sd2</translation>
    </message>
    <message>
        <source>t_reported against the t the rounded summary allows, pooled or Welch</source>
        <translation>t_reported gegen das t, das die gerundeten Kennwerte zulassen, gepoolt oder Welch</translation>
    </message>
    <message>
        <source>df_reported against N1 + N2 - 2 or the Welch df</source>
        <translation>df_reported gegen N1 + N2 - 2 oder die Welch-Freiheitsgrade</translation>
    </message>
    <message>
        <source>whether M1 can be the mean of N1 whole-number scores</source>
        <translation>ob M1 der Mittelwert von N1 ganzzahligen Werten sein kann</translation>
    </message>
    <message>
        <source>whether M2 can be the mean of N2 whole-number scores</source>
        <translation>ob M2 der Mittelwert von N2 ganzzahligen Werten sein kann</translation>
    </message>
    <message>
        <source>whether SD1 can go with M1 for N1 whole-number scores</source>
        <translation>ob SD1 zu M1 bei N1 ganzzahligen Werten passen kann</translation>
    </message>
    <message>
        <source>whether SD2 can go with M2 for N2 whole-number scores</source>
        <translation>ob SD2 zu M2 bei N2 ganzzahligen Werten passen kann</translation>
    </message>
    <message>
        <source>why a check of reported results could not run</source>
        <translation>warum eine Prüfung berichteter Ergebnisse nicht laufen konnte</translation>
    </message>
    <message>
        <source>Name the columns of the inputs outright, as n1=Total_E,m1=Mean_E,sd1=SD_E,n2=...: a header name as written or a column number from 1; the rest are found by their usual names (n1, size1, total1, n1i, mean1, m1i, sd1, sd1i, se1, ...).</source>
        <translation>Die Spalten der Eingaben ausdrücklich benennen, als n1=Total_E,m1=Mean_E,sd1=SD_E,n2=...: ein Name wie in der Kopfzeile oder eine Spaltennummer ab 1; die übrigen werden an ihren üblichen Namen erkannt (n1, size1, total1, n1i, mean1, m1i, sd1, sd1i, se1, ...).</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>the header has no column for %1.</source>
        <translation>die Kopfzeile hat keine Spalte für %1.</translation>
    </message>
    <message>
        <source>The header as read (delimiter %1): %2</source>
        <translation>Die Kopfzeile, wie sie gelesen wurde (Feldtrenner %1): %2</translation>
    </message>
    <message>
        <source>%1 is found as any of: %2</source>
        <translation>%1 wird unter diesen Namen gefunden: %2</translation>
    </message>
    <message>
        <source>Name the columns outright with --map n1=COLUMN,m1=COLUMN,sd1=COLUMN,n2=COLUMN,m2=COLUMN,sd2=COLUMN (a name or a column number).</source>
        <translation>Benennen Sie die Spalten ausdrücklich mit --map n1=COLUMN,m1=COLUMN,sd1=COLUMN,n2=COLUMN,m2=COLUMN,sd2=COLUMN (ein Name oder eine Spaltennummer).</translation>
    </message>
    <message>
        <source>Name the columns outright, for example: %1</source>
        <translation>Benennen Sie die Spalten ausdrücklich, zum Beispiel: %1</translation>
    </message>
    <message>
        <source>--map: &quot;%1&quot; names no column</source>
        <translation>--map: &quot;%1&quot; nennt keine Spalte</translation>
    </message>
    <message>
        <source>--map: the header has no column &quot;%1&quot; (for %2)</source>
        <translation>--map: die Kopfzeile hat keine Spalte &quot;%1&quot; (für %2)</translation>
    </message>
    <message>
        <source>--map: columns %1 and %2 are both named &quot;%3&quot; (for %4); give the column&apos;s number instead</source>
        <translation>--map: die Spalten %1 und %2 heißen beide &quot;%3&quot; (für %4); geben Sie stattdessen die Nummer der Spalte an</translation>
    </message>
    <message>
        <source>columns &quot;%1&quot; and &quot;%2&quot; both stand for %3; say which with --map %3=COLUMN</source>
        <translation>die Spalten &quot;%1&quot; und &quot;%2&quot; stehen beide für %3; geben Sie mit --map %3=SPALTE an, welche gilt</translation>
    </message>
    <message>
        <source>columns &quot;%1&quot; and &quot;%2&quot; both give the spread of set %3; say which with --map %4=COLUMN or --map %5=COLUMN</source>
        <translation>die Spalten &quot;%1&quot; und &quot;%2&quot; geben beide die Streuung von Gruppe %3 an; geben Sie mit --map %4=SPALTE oder --map %5=SPALTE an, welche gilt</translation>
    </message>
    <message>
        <source>sampling variance of d, 1/N1 + 1/N2 + d^2/(2(N1 + N2))</source>
        <translation>Stichprobenvarianz von d, 1/N1 + 1/N2 + d^2/(2(N1 + N2))</translation>
    </message>
    <message>
        <source>sampling variance of g (the vi of a meta-analysis)</source>
        <translation>Stichprobenvarianz von g (das vi einer Metaanalyse)</translation>
    </message>
    <message>
        <source>its square root, the standard error of g</source>
        <translation>ihre Quadratwurzel, der Standardfehler von g</translation>
    </message>
    <message>
        <source>Line %1 reads as the header: give --header-line %1 to skip the lines above it.</source>
        <translation>Zeile %1 liest sich als Kopfzeile: geben Sie --header-line %1 an, um die Zeilen darüber zu überspringen.</translation>
    </message>
    <message>
        <source>The line that holds the header, from 1 (default 1); the lines above it, such as a spreadsheet&apos;s title, are skipped.</source>
        <translation>Die Zeile mit der Kopfzeile, ab 1 (Vorgabe 1); die Zeilen darüber, etwa der Titel einer Tabellenkalkulation, werden übersprungen.</translation>
    </message>
    <message>
        <source>--header-line must be a whole number from 1</source>
        <translation>--header-line muss eine ganze Zahl ab 1 sein</translation>
    </message>
    <message>
        <source>the table has no row from line %1 on, where --header-line puts the header</source>
        <translation>die Tabelle hat ab Zeile %1, wo laut --header-line die Kopfzeile steht, keine Zeile mehr</translation>
    </message>
    <message>
        <source>; %1 with check errors (first: line %2: %3)</source>
        <translation>; %1 mit Prüffehlern (erster: Zeile %2: %3)</translation>
    </message>
    <message>
        <source>Exit with status 1 when any row has an error, or a check of reported results that could not run (check_error).</source>
        <translation>Mit Status 1 enden, wenn eine Zeile einen Fehler hat oder eine Prüfung berichteter Ergebnisse nicht laufen konnte (check_error).</translation>
    </message>
    <message>
        <source>Take reported p as one-tailed where a row gives no tails_reported (1 or 2): the p beyond t on the side of the observed difference, never halved or doubled; a one-tailed p above .5 is checked against the other tail.</source>
        <translation>Berichtete p als einseitig nehmen, wo eine Zeile kein tails_reported (1 oder 2) angibt: das p jenseits von t auf der Seite des beobachteten Unterschieds, nie halbiert oder verdoppelt; ein einseitiges p über .5 wird gegen die andere Seite geprüft.</translation>
    </message>
    <message>
        <source>tails_reported must be 1 or 2, not &quot;%1&quot;</source>
        <translation>tails_reported muss 1 oder 2 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>%1 is empty, so %2 cannot be worked out</source>
        <translation>%1 ist leer, daher lässt sich %2 nicht bestimmen</translation>
    </message>
    <message>
        <source>%1 and %2 are empty, so %3 cannot be worked out</source>
        <translation>%1 und %2 sind leer, daher lässt sich %3 nicht bestimmen</translation>
    </message>
    <message>
        <source>--map: &quot;%1&quot; is not INPUT=COLUMN with INPUT one of n1, m1, sd1, se1, n2, m2, sd2, se2, t_reported, df_reported, p_reported, items1, items2, tails_reported</source>
        <translation>--map: &quot;%1&quot; hat nicht die Form EINGABE=SPALTE mit EINGABE aus n1, m1, sd1, se1, n2, m2, sd2, se2, t_reported, df_reported, p_reported, items1, items2, tails_reported</translation>
    </message>
    <message>
        <source>reported p against t_reported and df_reported: consistent, inconsistent, decision_error, impossible (a p of 0) or consistent_other_tail (a one-tailed p above .5)</source>
        <translation>berichtetes p gegen t_reported und df_reported: consistent, inconsistent, decision_error, impossible (ein p von 0) oder consistent_other_tail (ein einseitiges p über .5)</translation>
    </message>
    <message>
        <source>p of t_reported with df_reported, two- or one-tailed as the reported p, on the tail it was checked against</source>
        <translation>p von t_reported mit df_reported, zwei- oder einseitig wie das berichtete p, auf der Seite, gegen die es geprüft wurde</translation>
    </message>
    <message>
        <source>Row has %1 fields; the header has %2. The cells beyond it (%3) are written after the results.</source>
        <translation>Die Zeile hat %1 Felder; die Kopfzeile hat %2. Die überzähligen Zellen (%3) stehen hinter den Ergebnissen.</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number.</source>
        <translation>%1 „%2“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not a whole number; if it is written with a thousands separator, give %3.</source>
        <translation>%1 „%2“ ist keine ganze Zahl; wenn sie ein Tausendertrennzeichen enthält, geben Sie %3 an.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has a decimal point, but the table is read with decimal commas; give %3 to read decimal points.</source>
        <translation>%1 „%2“ hat einen Dezimalpunkt, die Tabelle wird aber mit Dezimalkommas gelesen; geben Sie %3 an, um Dezimalpunkte zu lesen.</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; has a decimal comma, but the table is read with decimal points; give %3 to read decimal commas.</source>
        <translation>%1 „%2“ hat ein Dezimalkomma, die Tabelle wird aber mit Dezimalpunkten gelesen; geben Sie %3 an, um Dezimalkommas zu lesen.</translation>
    </message>
    <message>
        <source>Output format: csv, tsv or jsonl (default: tsv for tab-separated input, else csv). The input is read as it is written, whatever the output.</source>
        <translation>Ausgabeformat: csv, tsv oder jsonl (Vorgabe: tsv bei tabulatorgetrennter Eingabe, sonst csv). Die Eingabe wird gelesen, wie sie geschrieben ist, welches Format die Ausgabe auch hat.</translation>
    </message>
    <message>
        <source>Only these output columns, comma-separated: the table&apos;s (by name, or by number from 1 where names repeat) and the result columns listed below.</source>
        <translation>Nur diese Ausgabespalten, durch Kommas getrennt: die der Tabelle (mit Namen, oder mit Nummer ab 1, wo sich Namen wiederholen) und die unten aufgeführten Ergebnisspalten.</translation>
    </message>
    <message>
        <source>--columns: the table has no column %1; its columns are numbered from 1 to %2</source>
        <translation>--columns: die Tabelle hat keine Spalte %1; ihre Spalten sind von 1 bis %2 nummeriert</translation>
    </message>
    <message>
        <source>A table of reported results needs no summary, only its t, df and p: %1</source>
        <translation>Eine Tabelle berichteter Ergebnisse braucht keine Kennzahlen, nur ihr t, FG und p: %1</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[DATEI]</translation>
    </message>
    <message>
        <source>natural log of bf_plus</source>
        <translation>natürlicher Logarithmus von bf_plus</translation>
    </message>
    <message>
        <source>natural log of bf_minus</source>
        <translation>natürlicher Logarithmus von bf_minus</translation>
    </message>
    <message>
        <source>%1 cannot be computed: its integral does not settle.</source>
        <translation>%1 kann nicht berechnet werden: sein Integral konvergiert nicht.</translation>
    </message>
    <message>
        <source>why the row has no results, or which results asked for cannot be computed; empty when none is missing</source>
        <translation>warum die Zeile keine Ergebnisse hat oder welche der verlangten nicht berechnet werden können; leer, wenn keines fehlt</translation>
    </message>
    <message>
        <source>--plan-alpha must be a number between 0 and 1</source>
        <translation>--plan-alpha muss eine Zahl zwischen 0 und 1 sein</translation>
    </message>
    <message>
        <source>--plan-power must be a number above --plan-alpha and below 1</source>
        <translation>--plan-power muss eine Zahl über --plan-alpha und unter 1 sein</translation>
    </message>
    <message>
        <source>--plan-tails must be 1 or 2</source>
        <translation>--plan-tails muss 1 oder 2 sein</translation>
    </message>
    <message>
        <source>--plan-ratio must be a number above 0 or observed</source>
        <translation>--plan-ratio muss eine Zahl über 0 oder observed sein</translation>
    </message>
    <message>
        <source>--plan-effect must be observed, safeguard or a number d</source>
        <translation>--plan-effect muss observed, safeguard oder eine Zahl d sein</translation>
    </message>
    <message>
        <source>Plan the next study of each row: the power its sample must reach (default 0.8). Any --plan option, or a planning column in --columns, fills the planning columns; without, they stay empty and cost nothing.</source>
        <translation>Die nächste Studie jeder Zeile planen: die Teststärke, die ihre Stichprobe erreichen muss (Vorgabe 0.8). Jede --plan-Option oder eine Planungsspalte in --columns füllt die Planungsspalten; ohne bleiben sie leer und kosten nichts.</translation>
    </message>
    <message>
        <source>Significance level of the planned test (default 0.05).</source>
        <translation>Signifikanzniveau des geplanten Tests (Vorgabe 0.05).</translation>
    </message>
    <message>
        <source>n2/n1 of the planned sample (default 1), or observed for the row&apos;s N2/N1.</source>
        <translation>n2/n1 der geplanten Stichprobe (Vorgabe 1), oder observed für N2/N1 der Zeile.</translation>
    </message>
    <message>
        <source>Tails of the planned test: 1 or 2 (default 2).</source>
        <translation>Seiten des geplanten Tests: 1 oder 2 (Vorgabe 2).</translation>
    </message>
    <message>
        <source>The effect to plan for: observed (the row&apos;s d, the default), safeguard (the end of its 60% interval nearer 0) or a d, such as the smallest effect of interest.</source>
        <translation>Der Effekt, für den geplant wird: observed (das d der Zeile, die Vorgabe), safeguard (das Ende seines 60%-Intervalls näher an 0) oder ein d, etwa der kleinste interessierende Effekt.</translation>
    </message>
    <message>
        <source>n1 of the smallest sample whose power reaches --plan-power for --plan-effect (Student&apos;s test)</source>
        <translation>n1 der kleinsten Stichprobe, deren Teststärke für --plan-effect --plan-power erreicht (Student-Test)</translation>
    </message>
    <message>
        <source>its n2, --plan-ratio times n1 rounded up</source>
        <translation>ihr n2, --plan-ratio mal n1 aufgerundet</translation>
    </message>
    <message>
        <source>the power that sample actually has</source>
        <translation>die Teststärke, die diese Stichprobe tatsächlich hat</translation>
    </message>
    <message>
        <source>safeguard d: the end of the 60% interval of d nearer 0, when it is not 0 or beyond</source>
        <translation>Safeguard-d: das Ende des 60%-Intervalls von d näher an 0, wenn es nicht 0 oder jenseits davon ist</translation>
    </message>
    <message>
        <source>smallest d &gt; 0 that N1 and N2 detect with --plan-power</source>
        <translation>kleinstes d &gt; 0, das N1 und N2 mit --plan-power entdecken</translation>
    </message>
    <message>
        <source>smallest |d| that N1 and N2 show significant at --plan-alpha</source>
        <translation>kleinstes |d|, das N1 und N2 bei --plan-alpha signifikant zeigen</translation>
    </message>
    <message>
        <source>why the row&apos;s study could not be planned</source>
        <translation>warum die Studie der Zeile nicht geplant werden konnte</translation>
    </message>
    <message>
        <source>posterior median of delta under BF10&apos;s prior</source>
        <translation>Median der A-posteriori-Verteilung von delta unter der Prior-Verteilung von BF10</translation>
    </message>
    <message>
        <source>lower limit of its central credible interval</source>
        <translation>untere Grenze ihres zentralen Kredibilitätsintervalls</translation>
    </message>
    <message>
        <source>upper limit of its central credible interval</source>
        <translation>obere Grenze ihres zentralen Kredibilitätsintervalls</translation>
    </message>
    <message>
        <source>BF10 with the prior scale 0.5</source>
        <translation>BF10 mit der Prior-Skala 0.5</translation>
    </message>
    <message>
        <source>BF10 with the wide prior scale 1</source>
        <translation>BF10 mit der weiten Prior-Skala 1</translation>
    </message>
    <message>
        <source>BF10 with the ultrawide prior scale sqrt(2)</source>
        <translation>BF10 mit der sehr weiten Prior-Skala sqrt(2)</translation>
    </message>
    <message>
        <source>largest BF10 over prior scales up to 1.5 (to 2 when --prior-scale is above 1.5)</source>
        <translation>größter BF10 über die Prior-Skalen bis 1.5 (bis 2, wenn --prior-scale über 1.5 liegt)</translation>
    </message>
    <message>
        <source>the prior scale of bf10_max (0: BF10 is below 1 at every scale and tends to 1 as the scale does)</source>
        <translation>die Prior-Skala von bf10_max (0: BF10 liegt bei jeder Skala unter 1 und strebt mit ihr gegen 1)</translation>
    </message>
    <message>
        <source>The posterior of delta cannot be computed: its integral does not settle.</source>
        <translation>Die A-posteriori-Verteilung von delta ist nicht berechenbar: ihr Integral konvergiert nicht.</translation>
    </message>
    <message>
        <source>BF10 against the prior scale cannot be computed: an integral does not settle.</source>
        <translation>BF10 über die Prior-Skala ist nicht berechenbar: ein Integral konvergiert nicht.</translation>
    </message>
    <message>
        <source>; 1 row left out of the forest plot</source>
        <translation>; 1 Zeile im Forest-Plot ausgelassen</translation>
    </message>
    <message>
        <source>; %1 rows left out of the forest plot</source>
        <translation>; %1 Zeilen im Forest-Plot ausgelassen</translation>
    </message>
    <message>
        <source>The column whose cells label the forest plot&apos;s rows (by name, or by number from 1); without it, the row numbers.</source>
        <translation>Die Spalte, deren Zellen die Zeilen des Forest-Plots beschriften (mit Namen oder mit Nummer ab 1); ohne sie die Zeilennummern.</translation>
    </message>
    <message>
        <source>--forest needs the name of the picture&apos;s file</source>
        <translation>--forest braucht den Namen der Bilddatei</translation>
    </message>
    <message>
        <source>--label needs the name or number of a column</source>
        <translation>--label braucht den Namen oder die Nummer einer Spalte</translation>
    </message>
    <message>
        <source>--label names the labels of the forest plot: give --forest too</source>
        <translation>--label benennt die Beschriftung des Forest-Plots: Geben Sie auch --forest an</translation>
    </message>
    <message>
        <source>the library that draws pictures cannot be loaded from %1: %2</source>
        <translation>die Bibliothek, die Bilder zeichnet, kann nicht geladen werden aus %1: %2</translation>
    </message>
    <message>
        <source>it is not there</source>
        <translation>sie ist nicht vorhanden</translation>
    </message>
    <message>
        <source>Fill the posterior columns delta_median, delta_cri_lo and delta_cri_hi (about half a millisecond a row). Naming one of them in --columns does the same; without either they stay empty.</source>
        <translation>Die Spalten der A-posteriori-Verteilung delta_median, delta_cri_lo und delta_cri_hi füllen (etwa eine halbe Millisekunde je Zeile). Eine von ihnen in --columns zu nennen, tut dasselbe; ohne beides bleiben sie leer.</translation>
    </message>
    <message>
        <source>Fill the columns of BF10 against the prior scale: bf10_r05, bf10_wide, bf10_ultrawide, bf10_max and r_max (a few hundred integrals a row). Naming one of them in --columns does the same; without either they stay empty.</source>
        <translation>Die Spalten von BF10 über der Skala der A-priori-Verteilung füllen: bf10_r05, bf10_wide, bf10_ultrawide, bf10_max und r_max (einige hundert Integrale je Zeile). Eine von ihnen in --columns zu nennen, tut dasselbe; ohne beides bleiben sie leer.</translation>
    </message>
    <message>
        <source>set 1 = %1, set 2 = %2, as the header names the groups (%3; %4); --map names the sets otherwise</source>
        <translation>Gruppe 1 = %1, Gruppe 2 = %2, wie die Kopfzeile die Gruppen nennt (%3; %4); mit --map lassen sie sich anders zuordnen</translation>
    </message>
    <message>
        <source>N1 + N2 - 2 is 0</source>
        <translation>N1 + N2 - 2 ist 0</translation>
    </message>
    <message>
        <source>they need at least two observations in each set</source>
        <translation>sie brauchen mindestens zwei Beobachtungen in jeder Gruppe</translation>
    </message>
    <message>
        <source>SD1 and SD2 are both 0</source>
        <translation>SD1 und SD2 sind beide 0</translation>
    </message>
    <message>
        <source>their numerical search does not settle</source>
        <translation>ihre numerische Suche konvergiert nicht</translation>
    </message>
    <message>
        <source>every value of the typed precision is possible</source>
        <translation>jeder Wert der eingegebenen Genauigkeit ist möglich</translation>
    </message>
    <message>
        <source>%1 cannot be computed: %2.</source>
        <translation>%1 – nicht berechenbar, denn %2.</translation>
    </message>
    <message>
        <source>Filled only when asked for, and empty otherwise, since each costs more than all the rest: the planning columns (plan_n1 to plan_error) with any --plan option, the posterior (delta_median, delta_cri_lo, delta_cri_hi) with --posterior, and BF10 against the prior scale (bf10_r05 to r_max) with --robustness; naming one of a group&apos;s columns in --columns asks for that group.</source>
        <translation>Nur auf Wunsch gefüllt und sonst leer, da jede dieser Gruppen mehr kostet als alles Übrige: die Planungsspalten (plan_n1 bis plan_error) mit einer --plan-Option, die A-posteriori-Verteilung (delta_median, delta_cri_lo, delta_cri_hi) mit --posterior und BF10 über der Skala der A-priori-Verteilung (bf10_r05 bis r_max) mit --robustness; eine Spalte einer Gruppe in --columns zu nennen, fordert diese Gruppe an.</translation>
    </message>
    <message>
        <source>Pool the rows&apos; effects in a meta-analysis and write the pooled results to this file: .csv, .tsv or .jsonl (by its suffix), in the table&apos;s number format. Rows with errors are left out and counted (excluded). The first pooled row is also summed up in a line on standard error, which any --pool option gives without a file. The table is written as without it.</source>
        <translation>Die Effekte der Zeilen in einer Metaanalyse zusammenfassen und die gepoolten Ergebnisse in diese Datei schreiben: .csv, .tsv oder .jsonl (nach der Endung), im Zahlenformat der Tabelle. Zeilen mit Fehlern werden ausgelassen und gezählt (excluded). Die erste gepoolte Zeile wird zudem in einer Zeile auf der Standardfehlerausgabe zusammengefasst, die jede --pool-Option auch ohne Datei gibt. Die Tabelle wird geschrieben wie ohne diese Option.</translation>
    </message>
    <message>
        <source>How the between-study variance tau² is estimated, one pooled row each in the order given: EE (common effect, tau² = 0), DL (DerSimonian-Laird), REML (restricted maximum likelihood) or PM (Paule-Mandel), or a list as EE,REML (default REML).</source>
        <translation>Wie die Varianz zwischen den Studien tau² geschätzt wird, je eine gepoolte Zeile in der angegebenen Reihenfolge: EE (gemeinsamer Effekt, tau² = 0), DL (DerSimonian-Laird), REML (restringierte Maximum-Likelihood) oder PM (Paule-Mandel), oder eine Liste wie EE,REML (Vorgabe REML).</translation>
    </message>
    <message>
        <source>Test and interval of the pooled effect: z (normal) or knha (Knapp-Hartung, t with k - 1 df; default z).</source>
        <translation>Test und Intervall des gepoolten Effekts: z (normal) oder knha (Knapp-Hartung, t mit k - 1 Freiheitsgraden; Vorgabe z).</translation>
    </message>
    <message>
        <source>Pool the rows of each value of this column apart (by name, or by number from 1), each with its own tau², after the overall rows, which carry the test for subgroup differences (q_between). Rows with a blank cell there count in the overall rows only.</source>
        <translation>Die Zeilen jedes Werts dieser Spalte getrennt poolen (mit Namen oder mit Nummer ab 1), jede Untergruppe mit eigenem tau², nach den Gesamtzeilen, die den Test auf Unterschiede zwischen den Untergruppen tragen (q_between). Zeilen mit leerer Zelle dort zählen nur in den Gesamtzeilen.</translation>
    </message>
    <message>
        <source>The effect pooled: g (Hedges&apos; g with g_var, the default) or md (the raw mean difference M1 - M2 with the variance SD1²/N1 + SD2²/N2).</source>
        <translation>Der gepoolte Effekt: g (Hedges’ g mit g_var, die Vorgabe) oder md (die rohe Mittelwertdifferenz M1 - M2 mit der Varianz SD1²/N1 + SD2²/N2).</translation>
    </message>
    <message>
        <source>--pool: the table has no columns n1, m1, sd1, n2, m2 and sd2 to pool</source>
        <translation>--pool: Die Tabelle hat keine Spalten n1, m1, sd1, n2, m2 und sd2, die sich poolen ließen</translation>
    </message>
    <message>
        <source>%1: there is no column &quot;%2&quot;; the table has %3</source>
        <translation>%1: es gibt keine Spalte „%2“; die Tabelle hat %3</translation>
    </message>
    <message>
        <source>--pool: cannot write %1: %2</source>
        <translation>--pool: %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>All standard errors are equal: there is no Egger test.</source>
        <translation>Alle Standardfehler sind gleich: Es gibt keinen Egger-Test.</translation>
    </message>
    <message>
        <source>Egger&apos;s regression fits the studies exactly: there is no Egger test.</source>
        <translation>Die Egger-Regression passt exakt auf die Studien: Es gibt keinen Egger-Test.</translation>
    </message>
    <message>
        <source>No study to pool: no row gives an effect and its variance.</source>
        <translation>Keine Studie zu poolen: Keine Zeile gibt einen Effekt und seine Varianz.</translation>
    </message>
    <message>
        <source>One study: tau² cannot be estimated; the common-effect model (EE) gives the study itself.</source>
        <translation>Eine Studie: tau² ist nicht schätzbar; das Modell mit gemeinsamem Effekt (EE) gibt die Studie selbst.</translation>
    </message>
    <message>
        <source>The estimate of tau² did not settle (extreme inputs).</source>
        <translation>Die Schätzung von tau² konvergiert nicht (extreme Eingaben).</translation>
    </message>
    <message>
        <source>One study: the pooled estimate is the study itself; tau² and the heterogeneity cannot be estimated.</source>
        <translation>Eine Studie: Die gepoolte Schätzung ist die Studie selbst; tau² und die Heterogenität sind nicht schätzbar.</translation>
    </message>
    <message>
        <source>The studies agree exactly (Q = 0): H² and the Knapp-Hartung test are undefined.</source>
        <translation>Die Studien stimmen exakt überein (Q = 0): H² und der Knapp-Hartung-Test sind nicht definiert.</translation>
    </message>
    <message>
        <source>The studies agree exactly (Q = 0): H² is undefined.</source>
        <translation>Die Studien stimmen exakt überein (Q = 0): H² ist nicht definiert.</translation>
    </message>
    <message>
        <source>Egger&apos;s test needs three studies or more.</source>
        <translation>Der Egger-Test braucht mindestens drei Studien.</translation>
    </message>
    <message>
        <source>The test for subgroup differences needs two subgroups with a pooled estimate and its standard error.</source>
        <translation>Der Test auf Unterschiede zwischen den Untergruppen braucht zwei Untergruppen mit gepoolter Schätzung und ihrem Standardfehler.</translation>
    </message>
    <message>
        <source>The test for subgroup differences leaves out %1, without a pooled estimate and its standard error.</source>
        <translation>Der Test auf Unterschiede zwischen den Untergruppen lässt %1 aus, ohne gepoolte Schätzung und ihren Standardfehler.</translation>
    </message>
    <message>
        <source>--pool-method: unknown method %1; give EE, DL, REML or PM, or a list of them such as EE,REML</source>
        <translation>--pool-method: unbekannte Methode %1; geben Sie EE, DL, REML oder PM an, oder eine Liste davon wie EE,REML</translation>
    </message>
    <message>
        <source>--pool needs the name of the file of the pooled results</source>
        <translation>--pool braucht den Namen der Datei der gepoolten Ergebnisse</translation>
    </message>
    <message>
        <source>--pool: the file&apos;s name must end in .csv, .tsv or .jsonl, which says its format: &quot;%1&quot;</source>
        <translation>--pool: Der Name der Datei muss auf .csv, .tsv oder .jsonl enden, was ihr Format angibt: „%1“</translation>
    </message>
    <message>
        <source>--pool-test must be z or knha</source>
        <translation>--pool-test muss z oder knha sein</translation>
    </message>
    <message>
        <source>--pool-by needs the name or number of a column</source>
        <translation>--pool-by braucht den Namen oder die Nummer einer Spalte</translation>
    </message>
    <message>
        <source>--pool-effect must be g or md</source>
        <translation>--pool-effect muss g oder md sein</translation>
    </message>
    <message>
        <source>Common effect (Knapp-Hartung)</source>
        <translation>Gemeinsamer Effekt (Knapp-Hartung)</translation>
    </message>
    <message>
        <source>Common effect</source>
        <translation>Gemeinsamer Effekt</translation>
    </message>
    <message>
        <source>Random effects (%1, Knapp-Hartung)</source>
        <translation>Zufällige Effekte (%1, Knapp-Hartung)</translation>
    </message>
    <message>
        <source>Random effects (%1)</source>
        <translation>Zufällige Effekte (%1)</translation>
    </message>
    <message>
        <source>prediction interval %1</source>
        <translation>Vorhersageintervall %1</translation>
    </message>
    <message>
        <source>subgroup differences Q(%1) = %2, %3</source>
        <translation>Unterschiede der Untergruppen Q(%1) = %2, %3</translation>
    </message>
    <message>
        <source>%1: this program cannot draw pictures</source>
        <translation>%1: Dieses Programm kann keine Bilder zeichnen</translation>
    </message>
    <message>
        <source>Draw a forest plot of Hedges&apos; g with its interval for each row, the marker&apos;s area in proportion to 1/g_var, to this file: .svg, .pdf or .png (by its suffix). Rows with errors are left out and counted in the summary. With any --pool option, the pooled diamond with its prediction interval and the summary line under the studies, their weights, and a diamond per --pool-by subgroup. The table is written as without it.</source>
        <translation>Einen Forest-Plot von Hedges’ g mit seinem Intervall für jede Zeile in diese Datei zeichnen, die Fläche der Marke proportional zu 1/g_var: .svg, .pdf oder .png (nach der Endung). Zeilen mit Fehlern werden ausgelassen und in der Zusammenfassung gezählt. Mit einer der --pool-Optionen unter den Studien die gepoolte Raute mit ihrem Vorhersageintervall und die Zusammenfassungszeile, die Gewichte der Studien und eine Raute je Untergruppe von --pool-by. Die Tabelle wird geschrieben wie ohne diese Option.</translation>
    </message>
    <message>
        <source>Draw a funnel plot to this file: .svg, .pdf or .png (by its suffix): each row&apos;s effect against its standard error, the pooled estimate with its pseudo 95% limits, and the regions of p &lt; .10, .05 and .01 around no effect. Pools the rows as the --pool options say (REML without them). The table is written as without it.</source>
        <translation>Einen Funnel-Plot in diese Datei zeichnen: .svg, .pdf oder .png (nach der Endung): der Effekt jeder Zeile gegen seinen Standardfehler, die gepoolte Schätzung mit ihren Pseudo-95-%-Grenzen und die Bereiche von p &lt; .10, .05 und .01 um den Nulleffekt. Poolt die Zeilen, wie die --pool-Optionen es sagen (ohne sie mit REML). Die Tabelle wird geschrieben wie ohne diese Option.</translation>
    </message>
    <message>
        <source>Examples:
  lxtervan-batch --columns study,g,g_ci_lo,g_ci_hi --forest forest.svg --label study studies.csv
      g and its interval for each row to standard output, and a forest plot of them labelled by the column study.
  lxtervan-batch --pool pooled.csv --pool-by setting --forest forest.png --funnel funnel.png --label study studies.csv
      the rows pooled by REML, overall and per setting, to pooled.csv, drawn as a forest plot with their diamonds and as a funnel plot.
</source>
        <translation>Beispiele:
  lxtervan-batch --columns study,g,g_ci_lo,g_ci_hi --forest forest.svg --label study studies.csv
      g und sein Intervall für jede Zeile auf die Standardausgabe und ein Forest-Plot davon, beschriftet mit der Spalte study.
  lxtervan-batch --pool pooled.csv --pool-by setting --forest forest.png --funnel funnel.png --label study studies.csv
      die Zeilen mit REML gepoolt, insgesamt und je setting, nach pooled.csv, gezeichnet als Forest-Plot mit ihren Rauten und als Funnel-Plot.
</translation>
    </message>
    <message>
        <source>--funnel needs the name of the picture&apos;s file</source>
        <translation>--funnel braucht den Namen der Bilddatei</translation>
    </message>
    <message>
        <source>%1: the table has no columns n1, m1, sd1, n2, m2 and sd2 to work g from</source>
        <translation>%1: Die Tabelle hat keine Spalten n1, m1, sd1, n2, m2 und sd2, aus denen sich g berechnen ließe</translation>
    </message>
    <message>
        <source>; 1 row left out of the funnel plot</source>
        <translation>; 1 Zeile im Funnel-Plot ausgelassen</translation>
    </message>
    <message>
        <source>; %1 rows left out of the funnel plot</source>
        <translation>; %1 Zeilen im Funnel-Plot ausgelassen</translation>
    </message>
</context>
<context>
    <name>CheckText</name>
    <message>
        <source>Files or folders to read (a folder is walked); - reads text from standard input.</source>
        <translation>Zu lesende Dateien oder Ordner (ein Ordner wird durchlaufen); - liest Text von der Standardeingabe.</translation>
    </message>
    <message>
        <source>Output as csv (default), tsv or jsonl.</source>
        <translation>Ausgabe als csv (Vorgabe), tsv oder jsonl.</translation>
    </message>
    <message>
        <source>Significance level of the decision check (default 0.05).</source>
        <translation>Signifikanzniveau der Entscheidungsprüfung (Vorgabe 0.05).</translation>
    </message>
    <message>
        <source>Exit with 1 when a result does not hold: inconsistent, a decision error, impossible, or consistent only as a one-tailed test the text does not call one-sided.</source>
        <translation>Mit 1 enden, wenn ein Ergebnis nicht stimmt: inkonsistent, ein Entscheidungsfehler, unmöglich, oder nur als einseitiger Test stimmig, den der Text nicht einseitig nennt.</translation>
    </message>
    <message>
        <source>Files read at once (default: one per core).</source>
        <translation>Gleichzeitig gelesene Dateien (Vorgabe: eine je Kern).</translation>
    </message>
    <message>
        <source>Read the inputs, one a line, from FILE (- for standard input).</source>
        <translation>Die Eingaben, eine je Zeile, aus FILE lesen (- für die Standardeingabe).</translation>
    </message>
    <message>
        <source>standard input cannot hold both the list of files and a text</source>
        <translation>die Standardeingabe kann nicht zugleich die Liste der Dateien und einen Text enthalten</translation>
    </message>
    <message>
        <source>--format must be csv, tsv or jsonl, not &quot;%1&quot;</source>
        <translation>--format muss csv, tsv oder jsonl sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--alpha must be a number between 0 and 1</source>
        <translation>--alpha muss eine Zahl zwischen 0 und 1 sein</translation>
    </message>
    <message>
        <source>--jobs must be a whole number from 1 to 256</source>
        <translation>--jobs muss eine ganze Zahl von 1 bis 256 sein</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 Ergebnis</translation>
    </message>
    <message>
        <source>%1 results</source>
        <translation>%1 Ergebnisse</translation>
    </message>
    <message>
        <source>%1: cannot be read: %2</source>
        <translation>%1: kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>In all, 1 file: %1</source>
        <translation>Insgesamt 1 Datei: %1</translation>
    </message>
    <message>
        <source>In all, %1 files: %2</source>
        <translation>Insgesamt %1 Dateien: %2</translation>
    </message>
    <message>
        <source>cannot write the results: %1</source>
        <translation>die Ergebnisse können nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>1 input could not be read</source>
        <translation>1 Eingabe konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1 inputs could not be read</source>
        <translation>%1 Eingaben konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
    <message>
        <source>cannot be checked: %1</source>
        <translation>kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>Spalten:</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>Datei oder Ordner gibt es nicht</translation>
    </message>
    <message>
        <source>a PDF file that cannot be read (damaged or incomplete)</source>
        <translation>eine PDF-Datei, die nicht gelesen werden kann (beschädigt oder unvollständig)</translation>
    </message>
    <message>
        <source>an encrypted PDF file</source>
        <translation>eine verschlüsselte PDF-Datei</translation>
    </message>
    <message>
        <source>a zip archive without word/document.xml, so no DOCX file</source>
        <translation>ein ZIP-Archiv ohne word/document.xml, also keine DOCX-Datei</translation>
    </message>
    <message>
        <source>a DOCX file whose document cannot be read</source>
        <translation>eine DOCX-Datei, deren Dokument nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>Finds the t tests a text reports (plain text in UTF-8, UTF-16 or Windows-1252, HTML, PDF or DOCX) and checks each: does its p fit its t and df? One row per result on standard output; a summary per file and in all on standard error.</source>
        <translation>Findet die t-Tests, die ein Text berichtet (reiner Text in UTF-8, UTF-16 oder Windows-1252, HTML, PDF oder DOCX), und prüft jeden: Passt sein p zu seinem t und seinen df? Eine Zeile je Ergebnis auf der Standardausgabe; eine Zusammenfassung je Datei und insgesamt auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: Warnung: %2</translation>
    </message>
    <message>
        <source>byte %1 (0x%2) is not UTF-8: it and any others like it were read as U+FFFD</source>
        <translation>Byte %1 (0x%2) ist kein UTF-8: es und alle weiteren dieser Art wurden als U+FFFD gelesen</translation>
    </message>
    <message>
        <source>the page tree is damaged: read the %1 pages that are there</source>
        <translation>der Seitenbaum ist beschädigt: die %1 vorhandenen Seiten wurden gelesen</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>; intervals: consistent %1, inconsistent %2</source>
        <translation>; Intervalle: konsistent %1, inkonsistent %2</translation>
    </message>
    <message>
        <source>--shard must be K/N, whole numbers with 1 &lt;= K &lt;= N &lt;= %1, not &quot;%2&quot;</source>
        <translation>--shard muss K/N sein, ganze Zahlen mit 1 &lt;= K &lt;= N &lt;= %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--output needs a file (without it the table goes to standard output)</source>
        <translation>--output braucht eine Datei (ohne die Option geht die Tabelle auf die Standardausgabe)</translation>
    </message>
    <message>
        <source>--resume needs --output FILE: the table it takes up</source>
        <translation>--resume braucht --output DATEI: die Tabelle, die es fortsetzt</translation>
    </message>
    <message>
        <source>--merge joins the parts named and takes no --shard, --output, --resume or --files-from</source>
        <translation>--merge fügt die genannten Teile zusammen und nimmt kein --shard, --output, --resume oder --files-from</translation>
    </message>
    <message>
        <source>--merge needs the parts&apos; files</source>
        <translation>--merge braucht die Dateien der Teile</translation>
    </message>
    <message>
        <source>Read only the K-th of N shares of the inputs: those whose path&apos;s FNV-1a 64-bit hash (of its UTF-8 bytes, as named or found in a folder) leaves K - 1 divided by N. The N shares never overlap and together hold every input.</source>
        <translation>Nur den K-ten von N Anteilen der Eingaben lesen: die, deren Pfad einen FNV-1a-64-Bit-Hash (seiner UTF-8-Bytes, wie genannt oder im Ordner gefunden) hat, der geteilt durch N den Rest K - 1 lässt. Die N Anteile überschneiden sich nie und enthalten zusammen jede Eingabe.</translation>
    </message>
    <message>
        <source>Write the table to FILE input by input, each input&apos;s rows at once and then recorded complete in FILE.done.</source>
        <translation>Die Tabelle Eingabe für Eingabe in DATEI schreiben, die Zeilen jeder Eingabe auf einmal, dann in DATEI.done als vollständig vermerkt.</translation>
    </message>
    <message>
        <source>With --output: take up FILE where a killed run left it: what follows the last input recorded complete is cut off, those inputs are skipped, and the rest appended, so that FILE ends as one whole run writes it.</source>
        <translation>Mit --output: DATEI dort fortsetzen, wo ein abgebrochener Lauf sie ließ: was auf die letzte als vollständig vermerkte Eingabe folgt, wird abgeschnitten, diese Eingaben werden übersprungen und die übrigen angehängt, sodass DATEI endet, wie ein ganzer Lauf sie schreibt.</translation>
    </message>
    <message>
        <source>Join the parts named (FILEs of --output runs, such as the shares of --shard) into the table one run over all their inputs writes, in its order, on standard output.</source>
        <translation>Die genannten Teile (DATEIen von Läufen mit --output, etwa die Anteile von --shard) zu der Tabelle zusammenfügen, die ein Lauf über alle ihre Eingaben schreibt, in dessen Reihenfolge, auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>%1: %2 inputs already complete there, skipped</source>
        <translation>%1: %2 Eingaben dort schon vollständig, übersprungen</translation>
    </message>
    <message>
        <source>%1: no record %2 beside it (a part is written with --output): %3</source>
        <translation>%1: kein Vermerk %2 daneben (ein Teil wird mit --output geschrieben): %3</translation>
    </message>
    <message>
        <source>%1 is incomplete: its run did not go through all its inputs (run it again with --resume)</source>
        <translation>%1 ist unvollständig: sein Lauf ging nicht durch alle seine Eingaben (mit --resume erneut starten)</translation>
    </message>
    <message>
        <source>%1 does not match its record</source>
        <translation>%1 passt nicht zu seinem Vermerk</translation>
    </message>
    <message>
        <source>%1 does not match its record: it was changed after its run</source>
        <translation>%1 passt nicht zu seinem Vermerk: die Datei wurde nach ihrem Lauf geändert</translation>
    </message>
    <message>
        <source>parts of different formats: %1 is %2, %3 is %4</source>
        <translation>Teile verschiedener Formate: %1 ist %2, %3 ist %4</translation>
    </message>
    <message>
        <source>parts checked at different alphas: %1 at %2, %3 at %4</source>
        <translation>Teile mit verschiedenem Alpha geprüft: %1 mit %2, %3 mit %4</translation>
    </message>
    <message>
        <source>parts of different splits: %1 is %2, %3 is %4</source>
        <translation>Teile verschiedener Aufteilungen: %1 ist %2, %3 ist %4</translation>
    </message>
    <message>
        <source>%1 and %2 are both share %3</source>
        <translation>%1 und %2 sind beide Anteil %3</translation>
    </message>
    <message>
        <source>shares missing: %1</source>
        <translation>fehlende Anteile: %1</translation>
    </message>
    <message>
        <source>%1 is in both %2 and %3</source>
        <translation>%1 ist sowohl in %2 als auch in %3</translation>
    </message>
    <message>
        <source>nothing merged</source>
        <translation>nichts zusammengefügt</translation>
    </message>
    <message>
        <source>cannot write the merged table</source>
        <translation>die zusammengefügte Tabelle kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Merged %1 parts: %2 files, %3 rows; %4 inputs could not be read</source>
        <translation>%1 Teile zusammengefügt: %2 Dateien, %3 Zeilen; %4 Eingaben konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>not a record of lxtervan-check --output</source>
        <translation>kein Vermerk von lxtervan-check --output</translation>
    </message>
    <message>
        <source>line %1 of the record cannot be read</source>
        <translation>Zeile %1 des Vermerks kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the record does not say the format and alpha of its run</source>
        <translation>der Vermerk nennt Format und Alpha seines Laufs nicht</translation>
    </message>
    <message>
        <source>%1 has no record %2 of the inputs it holds complete, so it cannot be resumed; remove it, or run without --resume</source>
        <translation>%1 hat keinen Vermerk %2 der Eingaben, die die Datei vollständig enthält, und kann daher nicht fortgesetzt werden; die Datei entfernen oder ohne --resume starten</translation>
    </message>
    <message>
        <source>%1 holds a run with %2; resume it with the same options, not %3</source>
        <translation>%1 enthält einen Lauf mit %2; mit denselben Optionen fortsetzen, nicht mit %3</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 is being written by another run</source>
        <translation>%1 wird gerade von einem anderen Lauf geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a regular file, so it cannot be resumed</source>
        <translation>%1 ist keine reguläre Datei und kann daher nicht fortgesetzt werden</translation>
    </message>
    <message>
        <source>%1 does not begin with the header of a %2 table, so it cannot be resumed</source>
        <translation>%1 beginnt nicht mit dem Kopf einer %2-Tabelle und kann daher nicht fortgesetzt werden</translation>
    </message>
    <message>
        <source>standard input cannot be resumed: its text may differ from one run to the next</source>
        <translation>die Standardeingabe kann nicht fortgesetzt werden: ihr Text kann von Lauf zu Lauf ein anderer sein</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Refuse an input longer than SIZE (bytes, or with K, M or G; default 1G), after the rows found in its first SIZE bytes: text that never ends stops there.</source>
        <translation>Eine Eingabe länger als SIZE (Bytes, oder mit K, M oder G; Vorgabe 1G) ablehnen, nach den Zeilen, die in ihren ersten SIZE Bytes gefunden wurden: Text ohne Ende hört dort auf.</translation>
    </message>
    <message>
        <source>--max-size must be a size such as 500M or 2G, not &quot;%1&quot;</source>
        <translation>--max-size muss eine Größe wie 500M oder 2G sein, nicht &quot;%1&quot;</translation>
    </message>
    <message>
        <source>longer than %1 bytes (--max-size sets the limit)</source>
        <translation>länger als %1 Bytes (--max-size setzt die Grenze)</translation>
    </message>
    <message>
        <source>%1: 1 input already complete there, skipped</source>
        <translation>%1: 1 Eingabe dort schon vollständig, übersprungen</translation>
    </message>
    <message>
        <source>cannot be checked: out of memory</source>
        <translation>kann nicht geprüft werden: kein Speicher mehr frei</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 results, %4 files/s</source>
        <translation>%1 von %2 Dateien, %3 Ergebnisse, %4 Dateien/s</translation>
    </message>
    <message>
        <source>, %1 s left</source>
        <translation>, noch %1 s</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>longer than %1 bytes: only those were checked (--max-size sets the limit)</source>
        <translation>länger als %1 Bytes: nur diese wurden geprüft (--max-size setzt die Grenze)</translation>
    </message>
</context>
<context>
    <name>ErrorGuard</name>
    <message>
        <source>Run-time error %1: %2</source>
        <translation>Laufzeitfehler %1: %2</translation>
    </message>
    <message>
        <source>Run-time error: %1</source>
        <translation>Laufzeitfehler: %1</translation>
    </message>
    <message>
        <source>Run-time error: unknown failure</source>
        <translation>Laufzeitfehler: unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Error!</source>
        <translation>Fehler!</translation>
    </message>
</context>
<context>
    <name>PasteText</name>
    <message>
        <source>first set</source>
        <translation>ersten Satz</translation>
    </message>
    <message>
        <source>second set</source>
        <translation>zweiten Satz</translation>
    </message>
    <message>
        <source>%1 empty cell</source>
        <translation>%1 leere Zelle</translation>
    </message>
    <message>
        <source>%1 empty cells</source>
        <translation>%1 leere Zellen</translation>
    </message>
    <message>
        <source>%1 cell</source>
        <translation>%1 Zelle</translation>
    </message>
    <message>
        <source>%1 cells</source>
        <translation>%1 Zellen</translation>
    </message>
    <message>
        <source>%1 values pasted into the %2</source>
        <translation>%1 Werte in den %2 eingefügt</translation>
    </message>
    <message>
        <source> (%1 skipped)</source>
        <translation> (%1 übersprungen)</translation>
    </message>
    <message>
        <source>%1 empty</source>
        <translation>%1 leer</translation>
    </message>
    <message>
        <source> (%1 skipped: %2)</source>
        <translation> (%1 übersprungen: %2)</translation>
    </message>
    <message>
        <source>The values for the %1 could not be read.</source>
        <translation>Die Werte für den %1 konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The %1 takes at most %2 values.</source>
        <translation>Für den %1 sind höchstens %2 Werte möglich.</translation>
    </message>
    <message>
        <source>The mean or standard deviation of the values for the %1 is out of range.</source>
        <translation>Mittelwert oder Standardabweichung der Werte für den %1 liegen außerhalb des darstellbaren Bereichs.</translation>
    </message>
    <message>
        <source>The values for the %1 hold a group separator (&quot;%2&quot;), so they could mean other numbers; paste them without group separators.</source>
        <translation>Die Werte für den %1 enthalten ein Tausendertrennzeichen („%2“) und könnten daher andere Zahlen meinen; fügen Sie sie ohne Tausendertrennzeichen ein.</translation>
    </message>
    <message>
        <source>The values for the %1 are written with a decimal point (&quot;%2&quot;); this window expects a decimal comma, so nothing was pasted.</source>
        <translation>Die Werte für den %1 sind mit Dezimalpunkt geschrieben („%2“); dieses Fenster erwartet ein Dezimalkomma, daher wurde nichts eingefügt.</translation>
    </message>
    <message>
        <source>The values for the %1 are written with a decimal comma (&quot;%2&quot;); this window expects a decimal point, so nothing was pasted.</source>
        <translation>Die Werte für den %1 sind mit Dezimalkomma geschrieben („%2“); dieses Fenster erwartet einen Dezimalpunkt, daher wurde nichts eingefügt.</translation>
    </message>
</context>
<context>
    <name>PlanLines</name>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 and %2, %3 in all: actual power %4 for d = %5</source>
        <translation>%1 und %2, %3 insgesamt: tatsächliche Teststärke %4 für d = %5</translation>
    </message>
    <message>
        <source>With %1 and %2: %3 power for |d| ≥ %4; significant from |d| ≥ %5</source>
        <translation>Mit %1 und %2: %3 Teststärke für |d| ≥ %4; signifikant ab |d| ≥ %5</translation>
    </message>
    <message>
        <source>two-tailed</source>
        <translation>zweiseitig</translation>
    </message>
    <message>
        <source>one-tailed</source>
        <translation>einseitig</translation>
    </message>
    <message>
        <source>A sample of %1 per group (%2 in all)</source>
        <translation>Eine Stichprobe von %1 je Gruppe (%2 insgesamt)</translation>
    </message>
    <message>
        <source>A sample of %1 and %2 (%3 in all)</source>
        <translation>Eine Stichprobe von %1 und %2 (%3 insgesamt)</translation>
    </message>
    <message>
        <source>%1 gives %2 power to detect d = %3 (α = %4, %5); actual power %6.</source>
        <translation>%1 gibt %2 Teststärke, um d = %3 zu entdecken (α = %4, %5); tatsächliche Teststärke %6.</translation>
    </message>
</context>
<context>
    <name>PlanText</name>
    <message>
        <source>α must lie between 0 and 1.</source>
        <translation>α muss zwischen 0 und 1 liegen.</translation>
    </message>
    <message>
        <source>The target power must be above α and below 1.</source>
        <translation>Die angestrebte Teststärke muss über α und unter 1 liegen.</translation>
    </message>
    <message>
        <source>no sample size gives power above α for d = 0</source>
        <translation>keine Stichprobengröße gibt bei d = 0 eine Teststärke über α</translation>
    </message>
    <message>
        <source>The effect to plan for is not a number.</source>
        <translation>Der Effekt, für den geplant wird, ist keine Zahl.</translation>
    </message>
    <message>
        <source>The ratio n2/n1 must be above 0.</source>
        <translation>Das Verhältnis n2/n1 muss über 0 liegen.</translation>
    </message>
    <message>
        <source>The planned SDs must be above 0.</source>
        <translation>Die geplanten SDs müssen über 0 liegen.</translation>
    </message>
    <message>
        <source>Power needs at least one observation in each group and three in all.</source>
        <translation>Die Teststärke braucht mindestens eine Beobachtung in jeder Gruppe und drei insgesamt.</translation>
    </message>
    <message>
        <source>No sample of fewer than 2³¹ per group reaches that power.</source>
        <translation>Keine Stichprobe von weniger als 2³¹ je Gruppe erreicht diese Teststärke.</translation>
    </message>
    <message>
        <source>The safeguard d is not above 0 (the 60% interval of d reaches 0), so no sample size is planned for it.</source>
        <translation>Das Safeguard-d liegt nicht über 0 (das 60%-Intervall von d reicht bis 0), daher wird dafür keine Stichprobengröße geplant.</translation>
    </message>
    <message>
        <source>The power of these figures could not be worked out.</source>
        <translation>Die Teststärke dieser Werte ließ sich nicht berechnen.</translation>
    </message>
    <message>
        <source>Calculate first, or plan for a typed d.</source>
        <translation>Erst berechnen oder für ein eingegebenes d planen.</translation>
    </message>
    <message>
        <source>Calculate first, or type n2/n1.</source>
        <translation>Erst berechnen oder n2/n1 eingeben.</translation>
    </message>
    <message>
        <source>Calculate to see what N1 and N2 can detect.</source>
        <translation>Berechnen, um zu sehen, was N1 und N2 entdecken können.</translation>
    </message>
    <message>
        <source>d is undefined: the pooled SD is 0</source>
        <translation>d ist nicht definiert: die gepoolte SD ist 0</translation>
    </message>
    <message>
        <source>Type the d to plan for, such as the smallest effect of interest.</source>
        <translation>Geben Sie das d ein, für das geplant wird, etwa den kleinsten relevanten Effekt.</translation>
    </message>
    <message>
        <source>Type n2/n1 as a number above 0.</source>
        <translation>Geben Sie n2/n1 als Zahl über 0 ein.</translation>
    </message>
</context>
<context>
    <name>PlotText</name>
    <message>
        <source>The difference plot needs two observations in each set and some spread.</source>
        <translation>Das Differenzdiagramm braucht zwei Beobachtungen in jedem Satz und etwas Streuung.</translation>
    </message>
    <message>
        <source>Difference plot. M1 = %1, %2% CI %3; M2 = %4, %2% CI %5; M1 − M2 = %6, %2% CI %7.</source>
        <translation>Differenzdiagramm. M1 = %1, %2%-KI %3; M2 = %4, %2%-KI %5; M1 − M2 = %6, %2%-KI %7.</translation>
    </message>
    <message>
        <source>The posterior of δ needs a t statistic: two observations in each set and some spread.</source>
        <translation>Die A-posteriori-Verteilung von δ braucht eine t-Statistik: zwei Beobachtungen in jedem Satz und etwas Streuung.</translation>
    </message>
    <message>
        <source>Prior and posterior of δ. Cauchy prior of scale %1; posterior median %2, %3% credible interval %4; BF₁₀ = %5.</source>
        <translation>Prior und Posterior von δ. Cauchy-Prior mit Skala %1; Median a posteriori %2, %3%-Kredibilitätsintervall %4; BF₁₀ = %5.</translation>
    </message>
    <message>
        <source>The Bayes factor&apos;s robustness needs a t statistic: two observations in each set and some spread.</source>
        <translation>Die Robustheit des Bayes-Faktors braucht eine t-Statistik: zwei Beobachtungen in jedem Satz und etwas Streuung.</translation>
    </message>
    <message>
        <source>Bayes factor robustness. BF₁₀ = %1 at r = %2, %3 at r = %4 (medium), %5 at r = %6 (wide), %7 at r = %8 (ultrawide)</source>
        <translation>Robustheit des Bayes-Faktors. BF₁₀ = %1 bei r = %2, %3 bei r = %4 (mittel), %5 bei r = %6 (weit), %7 bei r = %8 (sehr weit)</translation>
    </message>
    <message>
        <source>; largest %1 at r = %2</source>
        <translation>; größter %1 bei r = %2</translation>
    </message>
    <message>
        <source>Difference plot</source>
        <translation>Differenzdiagramm</translation>
    </message>
    <message>
        <source>Prior and posterior</source>
        <translation>Prior und Posterior</translation>
    </message>
    <message>
        <source>Bayes factor robustness</source>
        <translation>Robustheit des Bayes-Faktors</translation>
    </message>
    <message>
        <source>Power curve</source>
        <translation>Teststärkekurve</translation>
    </message>
    <message>
        <source>Plan a sample in Planning (F7): the power curve shows the plan.</source>
        <translation>Planen Sie eine Stichprobe in der Planung (F7): die Teststärkekurve zeigt den Plan.</translation>
    </message>
    <message>
        <source>The power curve is drawn for groups of equal size: choose n2/n1 = 1 in Planning.</source>
        <translation>Die Teststärkekurve wird für gleich große Gruppen gezeichnet: wählen Sie n2/n1 = 1 in der Planung.</translation>
    </message>
    <message>
        <source>The power curve cannot be drawn for this plan.</source>
        <translation>Für diesen Plan kann die Teststärkekurve nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>Power curve. Power of the %1 t-test at d = %2, α = %3: n = %4 per group gives %5 (target %6).</source>
        <translation>Teststärkekurve. Teststärke des %1 t-Tests bei d = %2, α = %3: n = %4 je Gruppe ergibt %5 (Ziel %6).</translation>
    </message>
    <message>
        <source>two-tailed</source>
        <translation>zweiseitigen</translation>
    </message>
    <message>
        <source>one-tailed</source>
        <translation>einseitigen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 must be a whole number from -32768 to 32767. Nothing was applied.</source>
        <translation>%1 muss eine ganze Zahl von -32768 bis 32767 sein. Es wurde nichts übernommen.</translation>
    </message>
</context>
<context>
    <name>ReportText</name>
    <message>
        <source>%1% CI</source>
        <translation>%1 %-KI</translation>
    </message>
    <message>
        <source>Figure</source>
        <translation>Kennzahl</translation>
    </message>
    <message>
        <source>%1 upper</source>
        <translation>%1 obere Grenze</translation>
    </message>
    <message>
        <source>%1 lower</source>
        <translation>%1 untere Grenze</translation>
    </message>
    <message>
        <source>p (two-tailed)</source>
        <translation>p (zweiseitig)</translation>
    </message>
    <message>
        <source>%1 of d</source>
        <translation>%1 von d</translation>
    </message>
    <message>
        <source>%1 of g</source>
        <translation>%1 von g</translation>
    </message>
    <message>
        <source>p range</source>
        <translation>p-Bereich</translation>
    </message>
    <message>
        <source>The lowest and highest two-tailed p that the typed means and SDs allow, given the digits they were rounded to</source>
        <translation>Das kleinste und größte zweiseitige p, das die eingegebenen Mittelwerte und SDs bei den Stellen zulassen, auf die sie gerundet wurden</translation>
    </message>
    <message>
        <source>Student (equal SDs)</source>
        <translation>Student (gl. SD)</translation>
    </message>
    <message>
        <source>Welch&apos;s t(%1) = %2, %3, %4 %5</source>
        <translation>Welch-t(%1) = %2, %3, %4 %5</translation>
    </message>
    <message>
        <source>Bayes factor of a difference in the observed direction against none, with the same prior kept to that side</source>
        <translation>Bayes-Faktor für einen Unterschied in der beobachteten Richtung gegen keinen, mit derselben Priori-Verteilung auf diese Seite beschränkt</translation>
    </message>
    <message>
        <source>Bayes factor of a difference against none, from Student&apos;s t: how many times likelier the data are if the means differ (Cauchy prior of scale r on the standardized difference)</source>
        <translation>Bayes-Faktor für einen Unterschied gegen keinen, aus Students t: wie viel wahrscheinlicher die Daten sind, wenn sich die Mittelwerte unterscheiden (Cauchy-Priori-Verteilung der Skala r für den standardisierten Unterschied)</translation>
    </message>
    <message>
        <source>df</source>
        <translation>FG</translation>
    </message>
    <message>
        <source>Mean possible for whole-number data</source>
        <translation>Mittelwert mit ganzzahligen Daten möglich</translation>
    </message>
    <message>
        <source>Whether each typed mean can be the mean of N whole numbers, such as answers on a rating scale: first set / second set (one item per observation assumed)</source>
        <translation>Ob jeder eingegebene Mittelwert der Mittelwert von N ganzen Zahlen sein kann, etwa von Antworten auf einer Ratingskala: erster Satz / zweiter Satz (ein Item je Beobachtung angenommen)</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>not computable</source>
        <translation>nicht berechenbar</translation>
    </message>
    <message>
        <source>Median of δ</source>
        <translation>Median von δ</translation>
    </message>
    <message>
        <source>The posterior median of the standardized difference, under the Bayes factor&apos;s prior</source>
        <translation>Der Median a posteriori der standardisierten Differenz, unter dem Prior des Bayes-Faktors</translation>
    </message>
    <message>
        <source>%1% CrI of δ</source>
        <translation>%1 %-KrI von δ</translation>
    </message>
    <message>
        <source>The central posterior (credible) interval of the standardized difference, under the Bayes factor&apos;s prior</source>
        <translation>Das zentrale Kredibilitätsintervall a posteriori der standardisierten Differenz, unter dem Prior des Bayes-Faktors</translation>
    </message>
    <message>
        <source>BF₁₀ with a narrower prior, of scale 0.5</source>
        <translation>BF₁₀ mit einem schmaleren Prior, Skala 0,5</translation>
    </message>
    <message>
        <source>BF₁₀ with the “wide” prior, of scale 1</source>
        <translation>BF₁₀ mit dem weiten Prior, Skala 1</translation>
    </message>
    <message>
        <source>max BF₁₀ (r = %1)</source>
        <translation>max. BF₁₀ (r = %1)</translation>
    </message>
    <message>
        <source>The largest BF₁₀ over prior scales up to %1, and the scale where it lies</source>
        <translation>Der größte BF₁₀ über Prior-Skalen bis %1, und die Skala, bei der er liegt</translation>
    </message>
    <message>
        <source>BF₁₀ with the “ultrawide” prior, of scale √2</source>
        <translation>BF₁₀ mit dem sehr weiten Prior, Skala √2</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Set not permitted at run time</source>
        <translation>Festlegen zur Laufzeit nicht zulässig</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
<context>
    <name>StaleText</name>
    <message>
        <source>out of date</source>
        <translation>veraltet</translation>
    </message>
</context>
<context>
    <name>SummaryCheck</name>
    <message>
        <source>%1 is too large.</source>
        <translation>%1 ist zu groß.</translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation>%1 ist keine Zahl.</translation>
    </message>
    <message>
        <source>%1 must be at least 1.</source>
        <translation>%1 muss mindestens 1 sein.</translation>
    </message>
    <message>
        <source>%1 must not be negative.</source>
        <translation>%1 darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>SD1 and SD2 are too large.</source>
        <translation>SD1 und SD2 sind zu groß.</translation>
    </message>
    <message>
        <source>SD1 and SD2 are both 0, so t is undefined for different means.</source>
        <translation>SD1 und SD2 sind beide 0, daher ist t für verschiedene Mittelwerte nicht definiert.</translation>
    </message>
    <message>
        <source>SD1 and SD2 are too small to compare M1 and M2.</source>
        <translation>SD1 und SD2 sind zu klein, um M1 und M2 zu vergleichen.</translation>
    </message>
    <message>
        <source>M1 and M2 are too far apart for SD1 and SD2.</source>
        <translation>M1 und M2 liegen für SD1 und SD2 zu weit auseinander.</translation>
    </message>
    <message>
        <source>Please enter %1</source>
        <translation>Bitte %1 eingeben</translation>
    </message>
    <message>
        <source>N1 + N2 is too large.</source>
        <translation>N1 + N2 ist zu groß.</translation>
    </message>
    <message>
        <source>M1 and M2 are too far apart to compare.</source>
        <translation>M1 und M2 liegen zu weit auseinander, um sie zu vergleichen.</translation>
    </message>
    <message>
        <source>A t-test needs at least three observations in all.</source>
        <translation>Ein t-Test braucht insgesamt mindestens drei Beobachtungen.</translation>
    </message>
</context>
<context>
    <name>VerdictWords</name>
    <message>
        <source>consistent</source>
        <translation>konsistent</translation>
    </message>
    <message>
        <source>consistent only by rounding</source>
        <translation>nur durch Rundung konsistent</translation>
    </message>
    <message>
        <source>consistent, one-tailed as stated</source>
        <translation>konsistent, einseitig wie angegeben</translation>
    </message>
    <message>
        <source>consistent only one-tailed</source>
        <translation>nur einseitig konsistent</translation>
    </message>
    <message>
        <source>inconsistent</source>
        <translation>inkonsistent</translation>
    </message>
    <message>
        <source>decision error</source>
        <translation>Entscheidungsfehler</translation>
    </message>
    <message>
        <source>impossible p</source>
        <translation>unmögliches p</translation>
    </message>
    <message>
        <source>cannot be computed</source>
        <translation>nicht berechenbar</translation>
    </message>
    <message>
        <source>The p fits the t and df as reported.</source>
        <translation>Das p passt zu t und FG, wie angegeben.</translation>
    </message>
    <message>
        <source>The p fits only a t within the rounding of the reported one.</source>
        <translation>Das p passt nur zu einem t innerhalb der Rundung des angegebenen.</translation>
    </message>
    <message>
        <source>The p fits a one-tailed test, which the text says it is.</source>
        <translation>Das p passt zu einem einseitigen Test, und der Text nennt ihn so.</translation>
    </message>
    <message>
        <source>The p fits only a one-tailed test, and the text does not say the test was one-sided.</source>
        <translation>Das p passt nur zu einem einseitigen Test, und der Text nennt den Test nicht einseitig.</translation>
    </message>
    <message>
        <source>The p does not fit the t and df.</source>
        <translation>Das p passt nicht zu t und FG.</translation>
    </message>
    <message>
        <source>The p does not fit the t and df, and the recomputed p lies on the other side of alpha: the significance verdict flips.</source>
        <translation>Das p passt nicht zu t und FG, und das nachgerechnete p liegt auf der anderen Seite von Alpha: das Urteil über die Signifikanz kehrt sich um.</translation>
    </message>
    <message>
        <source>No t test has this p: it is 0 or above 1.</source>
        <translation>Kein t-Test hat dieses p: es ist 0 oder größer als 1.</translation>
    </message>
    <message>
        <source>No p can be worked out for this t and df.</source>
        <translation>Für dieses t und diese FG lässt sich kein p berechnen.</translation>
    </message>
    <message>
        <source>It would fit if the p was cut off after its last digit instead of rounded.</source>
        <translation>Es würde passen, wenn das p nach seiner letzten Stelle abgeschnitten statt gerundet wäre.</translation>
    </message>
    <message>
        <source>two-tailed p for a one-tailed test</source>
        <translation>zweiseitiges p für einen einseitigen Test</translation>
    </message>
    <message>
        <source>The text calls the test one-tailed, but the p is the two-tailed one; the one-tailed p is half of it.</source>
        <translation>Der Text nennt den Test einseitig, aber das p ist das zweiseitige; das einseitige p ist seine Hälfte.</translation>
    </message>
</context>
<context>
    <name>frmTervan</name>
    <message>
        <source>Student&apos;s t-test</source>
        <translation>t-Test nach Student</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Show the exact p, Welch&apos;s test, confidence intervals and effect sizes (F6)</source>
        <translation>Exaktes p, Welch-Test, Konfidenzintervalle und Effektstärken zeigen (F6)</translation>
    </message>
    <message>
        <source>On top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>On Top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>Calculate (F5)</source>
        <translation>Berechnen (F5)</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>K</source>
        <translation>FG</translation>
    </message>
    <message>
        <source>Second Set</source>
        <translation>Zweiter Satz</translation>
    </message>
    <message>
        <source>N2</source>
        <translation>N2</translation>
    </message>
    <message>
        <source>M2</source>
        <translation>M2</translation>
    </message>
    <message>
        <source>SD2</source>
        <translation>SD2</translation>
    </message>
    <message>
        <source>First Set</source>
        <translation>Erster Satz</translation>
    </message>
    <message>
        <source>SD1</source>
        <translation>SD1</translation>
    </message>
    <message>
        <source>M1</source>
        <translation>M1</translation>
    </message>
    <message>
        <source>N1</source>
        <translation>N1</translation>
    </message>
    <message>
        <source>Clear All (Esc)</source>
        <translation>Alles leeren (Esc)</translation>
    </message>
    <message>
        <source>Clear All Fields</source>
        <translation>Alle Felder leeren</translation>
    </message>
    <message>
        <source>Planning</source>
        <translation>Planung</translation>
    </message>
    <message>
        <source>Plan the next study: sample size, sensitivity and safeguard power (F7)</source>
        <translation>Die nächste Studie planen: Stichprobengröße, Sensitivität und Safeguard-Teststärke (F7)</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Show the result as a picture: the difference plot, the prior and posterior, the Bayes factor&apos;s robustness (F8)</source>
        <translation>Das Ergebnis als Bild zeigen: Differenzdiagramm, Prior und Posterior, Robustheit des Bayes-Faktors (F8)</translation>
    </message>
</context>
<context>
    <name>lx::AlphaBox</name>
    <message>
        <source>Significance level α</source>
        <translation>Signifikanzniveau α</translation>
    </message>
</context>
<context>
    <name>lx::ButtonPage</name>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Schalter</translation>
    </message>
    <message>
        <source>Tool tip text:</source>
        <translation>Tooltip-Text:</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Delta:</source>
        <translation>Delta:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
    <message>
        <source>MousePointer:</source>
        <translation>Mauszeiger:</translation>
    </message>
</context>
<context>
    <name>lx::CheckProcess</name>
    <message>
        <source>The program that reads PDF and DOCX files, %1, is missing: it belongs beside the calculator.</source>
        <translation>Das Programm, das PDF- und DOCX-Dateien liest, %1, fehlt: es gehört neben den Rechner.</translation>
    </message>
    <message>
        <source>%1 cannot be started: %2</source>
        <translation>%1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2 stopped unexpectedly.</source>
        <translation>Lesen von %1 fehlgeschlagen: %2 hat unerwartet aufgehört.</translation>
    </message>
    <message>
        <source>Reading %1 failed: %2 wrote what is not a result.</source>
        <translation>Lesen von %1 fehlgeschlagen: %2 hat etwas geschrieben, das kein Ergebnis ist.</translation>
    </message>
    <message>
        <source>Reading %1 failed (exit status %2).</source>
        <translation>Lesen von %1 fehlgeschlagen (Exit-Status %2).</translation>
    </message>
</context>
<context>
    <name>lx::DesignSurface</name>
    <message>
        <source>Property pages at design time</source>
        <translation>Eigenschaftsseiten zur Entwurfszeit</translation>
    </message>
    <message>
        <source>Button properties...</source>
        <translation>Schaltflächen-Eigenschaften...</translation>
    </message>
    <message>
        <source>Panel properties...</source>
        <translation>Panel-Eigenschaften...</translation>
    </message>
</context>
<context>
    <name>lx::DetailsView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the results for pasting (Ctrl+Shift+C)</source>
        <translation>Die Ergebnisse zum Einfügen kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>lx::FrmTervan</name>
    <message>
        <source>degrees of freedom</source>
        <translation>Freiheitsgrade</translation>
    </message>
    <message>
        <source>Check text…</source>
        <translation>Text prüfen…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy picture</source>
        <translation>Bild kopieren</translation>
    </message>
</context>
<context>
    <name>lx::PanelPage</name>
    <message>
        <source>Border</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Panel</source>
        <translation>Panel</translation>
    </message>
    <message>
        <source>Panel Docking:</source>
        <translation>Andocken des Panels:</translation>
    </message>
    <message>
        <source>Caption Alignment:</source>
        <translation>Ausrichtung der Beschriftung:</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Beschriftung:</translation>
    </message>
</context>
<context>
    <name>lx::PlanningView</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the plan as a sentence (Ctrl+Shift+C)</source>
        <translation>Den Plan als Satz kopieren (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>Planning</source>
        <translation>Planung</translation>
    </message>
    <message>
        <source>Significance level α</source>
        <translation>Signifikanzniveau α</translation>
    </message>
    <message>
        <source>Target power</source>
        <translation>Angestrebte Teststärke</translation>
    </message>
    <message>
        <source>Tails</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>two-tailed</source>
        <translation>zweiseitig</translation>
    </message>
    <message>
        <source>one-tailed</source>
        <translation>einseitig</translation>
    </message>
    <message>
        <source>Ratio n2/n1</source>
        <translation>Verhältnis n2/n1</translation>
    </message>
    <message>
        <source>N2/N1</source>
        <translation>N2/N1</translation>
    </message>
    <message>
        <source>Effect to plan for</source>
        <translation>Effekt, für den geplant wird</translation>
    </message>
    <message>
        <source>observed d</source>
        <translation>beobachtetes d</translation>
    </message>
    <message>
        <source>safeguard d</source>
        <translation>Safeguard-d</translation>
    </message>
    <message>
        <source>typed d</source>
        <translation>eingegebenes d</translation>
    </message>
    <message>
        <source>Safeguard d: the end of the observed d&apos;s 60% interval nearer 0, which allows for an overstated effect</source>
        <translation>Safeguard-d: das Ende des 60%-Intervalls des beobachteten d näher an 0, das einen überschätzten Effekt berücksichtigt</translation>
    </message>
    <message>
        <source>Typed d</source>
        <translation>Eingegebenes d</translation>
    </message>
    <message>
        <source>smallest of interest</source>
        <translation>kleinster Effekt</translation>
    </message>
    <message>
        <source>Planned sample</source>
        <translation>Geplante Stichprobe</translation>
    </message>
    <message>
        <source>What N1 and N2 can detect</source>
        <translation>Was N1 und N2 entdecken können</translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Teststärke</translation>
    </message>
    <message>
        <source>n2/n1</source>
        <translation>n2/n1</translation>
    </message>
    <message>
        <source>Effect</source>
        <translation>Effekt</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
</context>
<context>
    <name>lx::PlotCanvas</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>lx::PlotView</name>
    <message>
        <source>Plot</source>
        <translation>Grafik</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the picture for pasting (Ctrl+Shift+P)</source>
        <translation>Das Bild zum Einfügen kopieren (Strg+Umschalt+P)</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Bild speichern …</translation>
    </message>
    <message>
        <source>Save the picture as PNG, SVG or PDF</source>
        <translation>Das Bild als PNG, SVG oder PDF speichern</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Calculate (F5) to see the picture.</source>
        <translation>Berechnen (F5) zeigt das Bild.</translation>
    </message>
    <message>
        <source>PNG image, screen resolution (*.png)</source>
        <translation>PNG-Bild, Bildschirmauflösung (*.png)</translation>
    </message>
    <message>
        <source>PNG image, 300 dpi (*.png)</source>
        <translation>PNG-Bild, 300 dpi (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
</context>
<context>
    <name>lx::PropertyPage</name>
    <message>
        <source>The control this page edits no longer exists; the changes cannot be applied.</source>
        <translation>Das Steuerelement, das diese Seite bearbeitet, gibt es nicht mehr; die Änderungen können nicht übernommen werden.</translation>
    </message>
</context>
<context>
    <name>lx::PropertyPagesDialog</name>
    <message>
        <source>Property Pages</source>
        <translation>Eigenschaftsseiten</translation>
    </message>
</context>
<context>
    <name>lx::ResultBox</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>lx::StandardColorPage</name>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>lx::StandardFontPage</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
</context>
<context>
    <name>lx::StandardPage</name>
    <message>
        <source>Properties:</source>
        <translation>Eigenschaften:</translation>
    </message>
</context>
<context>
    <name>lx::TextCheckWindow</name>
    <message>
        <source>Check text</source>
        <translation>Text prüfen</translation>
    </message>
    <message>
        <source>&amp;Paste, type or drop a paragraph, or a file (text, HTML, PDF, DOCX):</source>
        <translation>&amp;Einen Absatz einfügen, tippen oder ablegen, oder eine Datei (Text, HTML, PDF, DOCX):</translation>
    </message>
    <message>
        <source>The groups differed, t(28) = 2.20, p = .036.</source>
        <translation>Die Gruppen unterschieden sich, t(28) = 2,20, p = ,036.</translation>
    </message>
    <message>
        <source>Text to check</source>
        <translation>Zu prüfender Text</translation>
    </message>
    <message>
        <source>Enter or a double click on a line puts its group sizes, means and SDs into the calculator&apos;s sets.</source>
        <translation>Eingabe oder ein Doppelklick auf eine Zeile setzt ihre Gruppengrößen, Mittelwerte und SDs in die Sätze des Rechners.</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Urteil</translation>
    </message>
    <message>
        <source>Sets</source>
        <translation>Sätze</translation>
    </message>
    <message>
        <source>Results found</source>
        <translation>Gefundene Ergebnisse</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>%1 is too large to be a paper&apos;s text.</source>
        <translation>%1 ist zu groß für den Text eines Artikels.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>The text cannot be checked: %1</source>
        <translation>Der Text kann nicht geprüft werden: %1</translation>
    </message>
    <message>
        <source>The text cannot be checked.</source>
        <translation>Der Text kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>%1: %2, %3. %4</source>
        <translation>%1: %2, %3. %4</translation>
    </message>
    <message>
        <source>%1: %2, %3. %4 Gives %5.</source>
        <translation>%1: %2, %3. %4 Gibt %5.</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Urteil: %1</translation>
    </message>
    <message>
        <source>No t test found.</source>
        <translation>Kein t-Test gefunden.</translation>
    </message>
    <message>
        <source>No t test found in %1.</source>
        <translation>Kein t-Test in %1 gefunden.</translation>
    </message>
    <message>
        <source>Results found: %1; they hold: %2.</source>
        <translation>Gefundene Ergebnisse: %1; davon stimmig: %2.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 gives no group sizes or means: the sets are left as they are.</source>
        <translation>%1 nennt keine Gruppengrößen oder Mittelwerte: die Sätze bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Only the first of the %1 files given is read: %2.</source>
        <translation>Nur die erste der %1 angegebenen Dateien wird gelesen: %2.</translation>
    </message>
    <message>
        <source>%1 is a folder; give the files in it one by one, or check the folder with lxtervan-check.</source>
        <translation>%1 ist ein Ordner; geben Sie die Dateien darin einzeln an, oder prüfen Sie den Ordner mit lxtervan-check.</translation>
    </message>
    <message>
        <source>Page %1, line %2</source>
        <translation>Seite %1, Zeile %2</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 put into the sets: %2.</source>
        <translation>%1 in die Sätze gesetzt: %2.</translation>
    </message>
    <message>
        <source>Significance level &amp;α:</source>
        <translation>Signifikanzniveau &amp;α:</translation>
    </message>
    <message>
        <source>; interval inconsistent</source>
        <translation>; Intervall inkonsistent</translation>
    </message>
    <message>
        <source>Its confidence interval does not fit the t and df.</source>
        <translation>Sein Konfidenzintervall passt nicht zu t und df.</translation>
    </message>
    <message>
        <source>Footnotes, line %1</source>
        <translation>Fußnoten, Zeile %1</translation>
    </message>
    <message>
        <source>Endnotes, line %1</source>
        <translation>Endnoten, Zeile %1</translation>
    </message>
    <message>
        <source>Header, line %1</source>
        <translation>Kopfzeile, Zeile %1</translation>
    </message>
    <message>
        <source>Footer, line %1</source>
        <translation>Fußzeile, Zeile %1</translation>
    </message>
</context>
<context>
    <name>lx::plots::ForestPlot</name>
    <message>
        <source>Study</source>
        <translation>Studie</translation>
    </message>
    <message>
        <source>%1 [%2% CI]</source>
        <translation>%1 [%2%-KI]</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Gewicht</translation>
    </message>
</context>
<context>
    <name>lx::plots::FunnelPlot</name>
    <message>
        <source>p &lt; %1</source>
        <translation>p &lt; %1</translation>
    </message>
    <message>
        <source>pseudo 95% limits</source>
        <translation>Pseudo-95%-Grenzen</translation>
    </message>
    <message>
        <source>Standard error</source>
        <translation>Standardfehler</translation>
    </message>
</context>
<context>
    <name>lx::plots::PictureFile</name>
    <message>
        <source>%1: a picture is written as .png, .svg or .pdf.</source>
        <translation>%1: Ein Bild wird als .png, .svg oder .pdf geschrieben.</translation>
    </message>
    <message>
        <source>%1: the picture is too large for a PNG (%2 by %3 pixels); write it as .svg or .pdf</source>
        <translation>%1: Das Bild ist zu groß für ein PNG (%2 mal %3 Pixel); schreiben Sie es als .svg oder .pdf</translation>
    </message>
    <message>
        <source>%1: no memory for a picture of %2 by %3 pixels</source>
        <translation>%1: Kein Speicher für ein Bild von %2 mal %3 Pixeln</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1: a PDF needs a page.</source>
        <translation>%1: Ein PDF braucht eine Seite.</translation>
    </message>
</context>
<context>
    <name>lx::plots::Posterior</name>
    <message>
        <source>BF₁₀ = %1</source>
        <translation>BF₁₀ = %1</translation>
    </message>
    <message>
        <source>median %1, %2% CrI [%3; %4]</source>
        <translation>Median %1, %2-%-KrI [%3; %4]</translation>
    </message>
    <message>
        <source>prior (Cauchy, r = %1)</source>
        <translation>Prior (Cauchy, r = %1)</translation>
    </message>
    <message>
        <source>posterior</source>
        <translation>Posterior</translation>
    </message>
</context>
<context>
    <name>lx::plots::PowerCurve</name>
    <message>
        <source>Power of the two-sided t-test at d = %1, α = %2</source>
        <translation>Teststärke des zweiseitigen t-Tests bei d = %1, α = %2</translation>
    </message>
    <message>
        <source>n = %1 per group: power %2 (target %3)</source>
        <translation>n = %1 je Gruppe: Teststärke %2 (Ziel %3)</translation>
    </message>
    <message>
        <source>n per group</source>
        <translation>n je Gruppe</translation>
    </message>
    <message>
        <source>Power of the one-sided t-test at d = %1, α = %2</source>
        <translation>Teststärke des einseitigen t-Tests bei d = %1, α = %2</translation>
    </message>
</context>
<context>
    <name>lx::plots::Robustness</name>
    <message>
        <source>medium</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>weit</translation>
    </message>
    <message>
        <source>ultrawide</source>
        <translation>sehr weit</translation>
    </message>
    <message>
        <source>largest BF₁₀ = %1 at r = %2</source>
        <translation>größter BF₁₀ = %1 bei r = %2</translation>
    </message>
    <message>
        <source>chosen r = %1: BF₁₀ = %2</source>
        <translation>gewähltes r = %1: BF₁₀ = %2</translation>
    </message>
    <message>
        <source>prior scale r</source>
        <translation>Prior-Skala r</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A calculator for the two-sample t-test from summary statistics: type N, mean and SD of two sets; F5 calculates, F6 shows the full report, F7 plans the next study, F8 shows the result as a picture, Ctrl+Shift+K checks the t tests a paper&apos;s text reports, Esc clears.</source>
        <translation>Ein Rechner für den t-Test zweier Stichproben aus zusammenfassenden Kennzahlen: N, Mittelwert und SD zweier Sätze eingeben; F5 berechnet, F6 zeigt den vollständigen Bericht, F7 plant die nächste Studie, F8 zeigt das Ergebnis als Bild, Strg+Umschalt+K prüft die t-Tests, die der Text eines Artikels berichtet, Esc leert.</translation>
    </message>
</context>
</TS>
