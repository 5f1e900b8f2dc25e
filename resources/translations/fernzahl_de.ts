<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
  <context>
    <name>strings</name>
    <message>
      <source>Fernzahl</source>
      <comment>100</comment>
      <translation>Fernzahl</translation>
    </message>
    <message>
      <source>Meters the telephone charges of dial-up connections.</source>
      <comment>101</comment>
      <translation>Zählt die Telefongebühren von DFÜ-Verbindungen.</translation>
    </message>
    <message>
      <source>Keep data files and settings in &lt;dir&gt;.</source>
      <comment>102</comment>
      <translation>Datendateien und Einstellungen in &lt;Ordner&gt; ablegen.</translation>
    </message>
    <message>
      <source>dir</source>
      <comment>103</comment>
      <translation>Ordner</translation>
    </message>
    <message>
      <source>Fernzahl could not start its timer and has to quit.</source>
      <comment>110</comment>
      <translation>Fernzahl konnte seinen Zeitgeber nicht starten und muss beendet werden.</translation>
    </message>
    <message>
      <source>A new default tariff has been installed.</source>
      <comment>115</comment>
      <translation>Ein neuer Standardtarif wurde installiert.</translation>
    </message>
    <message>
      <source>The new default tariff could not be installed. The previous default tariff stays in use.</source>
      <comment>116</comment>
      <translation>Der neue Standardtarif konnte nicht installiert werden. Der bisherige Standardtarif bleibt in Gebrauch.</translation>
    </message>
    <message>
      <source>The example tariff could not be copied into %1. Until you enter a tariff, every connection is charged at the default rate.</source>
      <comment>117</comment>
      <translation>Der Beispieltarif konnte nicht nach %1 kopiert werden. Bis Sie einen Tarif eingeben, wird jede Verbindung zum Standardpreis berechnet.</translation>
    </message>
    <message>
      <source>Fernzahl ended while it was metering the connection &quot;%1&quot;, started %2. The connection has been logged and counted as far as it had been saved: %3, costs %4.</source>
      <comment>118</comment>
      <translation>Fernzahl wurde beendet, während es die Verbindung „%1“ zählte (begonnen am %2). Die Verbindung wurde protokolliert und gezählt, soweit sie gesichert war: %3, Kosten %4.</translation>
    </message>
    <message>
      <source>The saved state of a running connection could not be read. It has been kept as %1 and is not logged.</source>
      <comment>119</comment>
      <translation>Der gesicherte Stand einer laufenden Verbindung konnte nicht gelesen werden. Er wurde als %1 aufbewahrt und wird nicht protokolliert.</translation>
    </message>
    <message>
      <source>E&amp;xit Fernzahl</source>
      <comment>120</comment>
      <translation>Fernzahl &amp;beenden</translation>
    </message>
    <message>
      <source>Do you really want to quit Fernzahl?
A connection that is running now is metered on by the next start of Fernzahl, with the time between, as long as it is still up then; otherwise it is logged as ended when last seen.</source>
      <comment>121</comment>
      <translation>Möchten Sie Fernzahl wirklich beenden?
Eine jetzt laufende Verbindung zählt der nächste Start von Fernzahl samt der Zeit dazwischen weiter, solange sie dann noch besteht; sonst wird sie protokolliert, als zuletzt gesehen beendet.</translation>
    </message>
    <message>
      <source>The settings file %1 is damaged: line %2 cannot be read. Fernzahl uses the default settings; the damaged file has been kept as %3.</source>
      <comment>122</comment>
      <translation>Die Einstellungsdatei %1 ist beschädigt: Zeile %2 kann nicht gelesen werden. Fernzahl verwendet die Standardeinstellungen; die beschädigte Datei wurde als %3 aufbewahrt.</translation>
    </message>
    <message>
      <source>The connection &quot;%1&quot;, started %2, could not be logged and counted. Its saved state has been kept as %3; Fernzahl tries again at its next start.</source>
      <comment>123</comment>
      <translation>Die Verbindung „%1“ (begonnen am %2) konnte nicht protokolliert und gezählt werden. Ihr gesicherter Stand wurde als %3 aufbewahrt; Fernzahl versucht es beim nächsten Start erneut.</translation>
    </message>
    <message>
      <source>The state of the running connection could not be saved in %1. Should Fernzahl end before the connection does, the connection will not be logged.</source>
      <comment>124</comment>
      <translation>Der Stand der laufenden Verbindung konnte nicht in %1 gesichert werden. Endet Fernzahl vor der Verbindung, wird die Verbindung nicht protokolliert.</translation>
    </message>
    <message>
      <source>The connection &quot;%1&quot;, started %2, which could not be written to the log when it ended, has now been logged.</source>
      <comment>125</comment>
      <translation>Die Verbindung „%1“ (begonnen am %2), die bei ihrem Ende nicht ins Protokoll geschrieben werden konnte, ist jetzt protokolliert.</translation>
    </message>
    <message>
      <source>The connection &quot;%1&quot;, started %2, was logged when it ended, but the counters could not be saved then. It has now been counted: %3, costs %4.</source>
      <comment>128</comment>
      <translation>Die Verbindung „%1“ (begonnen am %2) wurde bei ihrem Ende protokolliert, aber die Zähler konnten damals nicht gesichert werden. Sie ist jetzt gezählt: %3, Kosten %4.</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2). Fernzahl uses the default settings and can save no setting until the file can be read.</source>
      <comment>129</comment>
      <translation>Die Einstellungsdatei %1 kann nicht gelesen werden (%2). Fernzahl verwendet die Standardeinstellungen und kann keine Einstellung speichern, bis die Datei gelesen werden kann.</translation>
    </message>
    <message>
      <source>not a regular file</source>
      <comment>130</comment>
      <translation>keine reguläre Datei</translation>
    </message>
    <message>
      <source>The file %1, which held the state of the connection that ended, could not be removed. The connection is logged and counted; Fernzahl removes the file at its next start.</source>
      <comment>131</comment>
      <translation>Die Datei %1 mit dem Stand der beendeten Verbindung konnte nicht gelöscht werden. Die Verbindung ist protokolliert und gezählt; Fernzahl löscht die Datei beim nächsten Start.</translation>
    </message>
    <message>
      <source>larger than the limit of a settings file, %1 bytes</source>
      <comment>132</comment>
      <translation>größer als die Grenze einer Einstellungsdatei, %1 Byte</translation>
    </message>
    <message>
      <source>The log %1 still cannot be written, so these connections, which waited for it, are lost now that Fernzahl ends: %2. Please note them down.</source>
      <comment>126</comment>
      <translation>Das Protokoll %1 kann weiterhin nicht geschrieben werden, daher gehen diese Verbindungen, die darauf warteten, jetzt mit dem Ende von Fernzahl verloren: %2. Bitte notieren Sie sie.</translation>
    </message>
    <message>
      <source>Fernzahl cannot keep its files in the data folder %1: %2. Please check the folder, or start Fernzahl with another one (fernzahl --data-dir FOLDER).</source>
      <comment>127</comment>
      <translation>Fernzahl kann seine Dateien nicht im Datenordner %1 ablegen: %2. Bitte prüfen Sie den Ordner oder starten Sie Fernzahl mit einem anderen (fernzahl --data-dir ORDNER).</translation>
    </message>
    <message>
      <source>%1 · %2</source>
      <comment>170</comment>
      <translation>%1 · %2</translation>
    </message>
    <message>
      <source>Time: %1    Units: %2    Costs: %3</source>
      <comment>171</comment>
      <translation>Zeit: %1    Einheiten: %2    Kosten: %3</translation>
    </message>
    <message>
      <source>Since %1
Time: %2
Connections: %3
Units: %4
Costs: %5</source>
      <comment>172</comment>
      <translation>Seit %1
Zeit: %2
Verbindungen: %3
Einheiten: %4
Kosten: %5</translation>
    </message>
    <message>
      <source>%1
Started: %2
Connection: %3
Tariff: %4
Device: %5
User: %6</source>
      <comment>173</comment>
      <translation>%1
Begonnen: %2
Verbindung: %3
Tarif: %4
Gerät: %5
Benutzer: %6</translation>
    </message>
    <message>
      <source>Fernzahl – no connection</source>
      <comment>174</comment>
      <translation>Fernzahl – keine Verbindung</translation>
    </message>
    <message>
      <source>Last connection</source>
      <comment>175</comment>
      <translation>Letzte Verbindung</translation>
    </message>
    <message>
      <source>Current connection</source>
      <comment>176</comment>
      <translation>Laufende Verbindung</translation>
    </message>
    <message>
      <source>No connection has been metered since Fernzahl started.</source>
      <comment>177</comment>
      <translation>Seit dem Start von Fernzahl wurde keine Verbindung gezählt.</translation>
    </message>
    <message>
      <source>Nothing is being watched: choose in the options which connections Fernzahl should meter.</source>
      <comment>178</comment>
      <translation>Es wird nichts überwacht: Wählen Sie in den Optionen, welche Verbindungen Fernzahl zählen soll.</translation>
    </message>
    <message>
      <source>Open the o&amp;ptions…</source>
      <comment>179</comment>
      <translation>O&amp;ptionen öffnen…</translation>
    </message>
    <message>
      <source>Today</source>
      <comment>180</comment>
      <translation>Heute</translation>
    </message>
    <message>
      <source>This week</source>
      <comment>181</comment>
      <translation>Diese Woche</translation>
    </message>
    <message>
      <source>This month</source>
      <comment>182</comment>
      <translation>Dieser Monat</translation>
    </message>
    <message>
      <source>Total</source>
      <comment>183</comment>
      <translation>Gesamt</translation>
    </message>
    <message>
      <source>Do you want to reset this counter to zero?</source>
      <comment>190</comment>
      <translation>Möchten Sie diesen Zähler auf null zurücksetzen?</translation>
    </message>
    <message>
      <source>Day</source>
      <comment>191</comment>
      <translation>Tag</translation>
    </message>
    <message>
      <source>User</source>
      <comment>192</comment>
      <translation>Benutzer</translation>
    </message>
    <message>
      <source>Connection</source>
      <comment>193</comment>
      <translation>Verbindung</translation>
    </message>
    <message>
      <source>Hour</source>
      <comment>194</comment>
      <translation>Stunde</translation>
    </message>
    <message>
      <source>Day of the month</source>
      <comment>195</comment>
      <translation>Monatstag</translation>
    </message>
    <message>
      <source>Weekday</source>
      <comment>196</comment>
      <translation>Wochentag</translation>
    </message>
    <message>
      <source>Month</source>
      <comment>197</comment>
      <translation>Monat</translation>
    </message>
    <message>
      <source>Fernzahl – the meter for dial-up charges</source>
      <comment>220</comment>
      <translation>Fernzahl – der Gebührenzähler für DFÜ-Verbindungen</translation>
    </message>
    <message>
      <source>help/index.html#licence</source>
      <comment>225</comment>
      <translation>help/de/index.html#licence</translation>
    </message>
    <message>
      <source>Options</source>
      <comment>300</comment>
      <translation>Optionen</translation>
    </message>
    <message>
      <source>Sound files (*.wav *.ogg *.oga)|*.wav *.ogg *.oga|All files (*)|*</source>
      <comment>301</comment>
      <translation>Klangdateien (*.wav *.ogg *.oga)|*.wav *.ogg *.oga|Alle Dateien (*)|*</translation>
    </message>
    <message>
      <source>Please choose at least one way to watch for connections: dial-up networking or the modem line.</source>
      <comment>302</comment>
      <translation>Bitte wählen Sie mindestens eine Art, Verbindungen zu überwachen: DFÜ-Netzwerk oder Modemleitung.</translation>
    </message>
    <message>
      <source>Close</source>
      <comment>303</comment>
      <translation>Schließen</translation>
    </message>
    <message>
      <source>The user guide page %1 is not installed.</source>
      <comment>304</comment>
      <translation>Die Seite %1 der Anleitung ist nicht installiert.</translation>
    </message>
    <message>
      <source>Neither pppd nor NetworkManager was found on this computer, so only the modem line can be watched. Install pppd or NetworkManager to watch dial-up networking.</source>
      <comment>306</comment>
      <translation>Auf diesem Computer wurden weder pppd noch NetworkManager gefunden; darum kann nur die Modemleitung überwacht werden. Installieren Sie pppd oder NetworkManager, um das DFÜ-Netzwerk zu überwachen.</translation>
    </message>
    <message>
      <source>Connection log</source>
      <comment>400</comment>
      <translation>Verbindungsprotokoll</translation>
    </message>
    <message>
      <source>Page %1</source>
      <comment>401</comment>
      <translation>Seite %1</translation>
    </message>
    <message>
      <source>Total</source>
      <comment>402</comment>
      <translation>Summe</translation>
    </message>
    <message numerus="yes">
      <source>%1 connection|%1 connections</source>
      <comment>403</comment>
      <translation>
        <numerusform>%1 Verbindung</numerusform>
        <numerusform>%1 Verbindungen</numerusform>
      </translation>
    </message>
    <message>
      <source>Printed with Fernzahl</source>
      <comment>404</comment>
      <translation>Gedruckt mit Fernzahl</translation>
    </message>
    <message>
      <source>Start</source>
      <comment>410</comment>
      <translation>Beginn</translation>
    </message>
    <message>
      <source>Duration</source>
      <comment>411</comment>
      <translation>Dauer</translation>
    </message>
    <message>
      <source>Units</source>
      <comment>412</comment>
      <translation>Einheiten</translation>
    </message>
    <message>
      <source>Costs</source>
      <comment>413</comment>
      <translation>Kosten</translation>
    </message>
    <message>
      <source>Connection</source>
      <comment>414</comment>
      <translation>Verbindung</translation>
    </message>
    <message>
      <source>Device</source>
      <comment>415</comment>
      <translation>Gerät</translation>
    </message>
    <message>
      <source>User</source>
      <comment>416</comment>
      <translation>Benutzer</translation>
    </message>
    <message>
      <source>Tariff</source>
      <comment>417</comment>
      <translation>Tarif</translation>
    </message>
    <message numerus="yes">
      <source>%1 connection   Time: %2   Units: %3   Costs: %4|%1 connections   Time: %2   Units: %3   Costs: %4</source>
      <comment>418</comment>
      <translation>
        <numerusform>%1 Verbindung   Zeit: %2   Einheiten: %3   Kosten: %4</numerusform>
        <numerusform>%1 Verbindungen   Zeit: %2   Einheiten: %3   Kosten: %4</numerusform>
      </translation>
    </message>
    <message>
      <source>(all)</source>
      <comment>419</comment>
      <translation>(alle)</translation>
    </message>
    <message>
      <source>Do you want to delete the whole log?
This cannot be undone.</source>
      <comment>430</comment>
      <translation>Möchten Sie das ganze Protokoll löschen?
Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
      <source>Do you want to delete all entries shown in the list?
This cannot be undone.</source>
      <comment>431</comment>
      <translation>Möchten Sie alle in der Liste angezeigten Einträge löschen?
Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
      <source>Do you want to delete the selected entries?
This cannot be undone.</source>
      <comment>432</comment>
      <translation>Möchten Sie die markierten Einträge löschen?
Das kann nicht rückgängig gemacht werden.</translation>
    </message>
    <message>
      <source>Text files (*.txt)|*.txt|All files (*)|*</source>
      <comment>440</comment>
      <translation>Textdateien (*.txt)|*.txt|Alle Dateien (*)|*</translation>
    </message>
    <message>
      <source>(unknown user)</source>
      <comment>450</comment>
      <translation>(unbekannter Benutzer)</translation>
    </message>
    <message>
      <source>(no description)</source>
      <comment>455</comment>
      <translation>(keine Beschreibung)</translation>
    </message>
    <message>
      <source>The file %1 could not be written.</source>
      <comment>458</comment>
      <translation>Die Datei %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
      <source>The connection could not be written to the log %1. Its state has been kept as %2; Fernzahl logs it when it starts again.</source>
      <comment>459</comment>
      <translation>Die Verbindung konnte nicht in das Protokoll %1 geschrieben werden. Ihr Stand wurde als %2 aufbewahrt; Fernzahl protokolliert sie beim nächsten Start.</translation>
    </message>
    <message>
      <source>Fernzahl may not open the modem device %1, so it cannot see when the modem is connected. The device belongs to the group &quot;%2&quot;: make yourself a member (for example: sudo adduser %3 %2), then log out and back in.</source>
      <comment>460</comment>
      <translation>Fernzahl darf das Modemgerät %1 nicht öffnen und kann darum nicht sehen, wann das Modem verbunden ist. Das Gerät gehört der Gruppe „%2“: Treten Sie ihr bei (zum Beispiel mit sudo adduser %3 %2), und melden Sie sich danach ab und wieder an.</translation>
    </message>
    <message>
      <source>Modem line</source>
      <comment>461</comment>
      <translation>Modemleitung</translation>
    </message>
    <message>
      <source>Please choose a serial device from the list, or type its full path, such as /dev/ttyACM0.</source>
      <comment>462</comment>
      <translation>Bitte wählen Sie ein serielles Gerät aus der Liste, oder geben Sie seinen vollständigen Pfad ein, etwa /dev/ttyACM0.</translation>
    </message>
    <message>
      <source>Fernzahl may not open the modem device %1, so it cannot see when the modem is connected. No group of users may open it: ask your administrator to give you access, for example with a udev rule that gives the device to a group you belong to (such as dialout).</source>
      <comment>463</comment>
      <translation>Fernzahl darf das Modemgerät %1 nicht öffnen und kann daher nicht sehen, wann das Modem verbunden ist. Keine Benutzergruppe darf es öffnen: Bitten Sie Ihren Administrator um Zugriff, zum Beispiel mit einer udev-Regel, die das Gerät einer Ihrer Gruppen gibt (etwa dialout).</translation>
    </message>
    <message>
      <source>The modem device in the settings is longer than %1 characters, so Fernzahl watches no modem line. Please choose the device again in the options (Monitoring).</source>
      <comment>464</comment>
      <translation>Das Modemgerät in den Einstellungen ist länger als %1 Zeichen, daher überwacht Fernzahl keine Modemleitung. Bitte wählen Sie das Gerät in den Optionen (Überwachung) erneut.</translation>
    </message>
    <message>
      <source>Connection summary</source>
      <comment>470</comment>
      <translation>Zusammenfassung der Verbindungen</translation>
    </message>
    <message>
      <source>Page %1</source>
      <comment>471</comment>
      <translation>Seite %1</translation>
    </message>
    <message>
      <source>Connections</source>
      <comment>475</comment>
      <translation>Verbindungen</translation>
    </message>
    <message>
      <source>PNG images (*.png)|*.png|SVG drawings (*.svg)|*.svg</source>
      <comment>476</comment>
      <translation>PNG-Bilder (*.png)|*.png|SVG-Zeichnungen (*.svg)|*.svg</translation>
    </message>
    <message>
      <source>The log has changed since the entries were chosen: nothing was deleted.
Choose the entries again.</source>
      <comment>480</comment>
      <translation>Das Protokoll hat sich geändert, seit die Einträge gewählt wurden: Es wurde nichts gelöscht.
Wählen Sie die Einträge erneut.</translation>
    </message>
    <message>
      <source>The tariff file %1 could not be deleted. Dial-up entries assigned to it keep it.</source>
      <comment>481</comment>
      <translation>Die Tarifdatei %1 konnte nicht gelöscht werden. DFÜ-Einträge, die ihr zugeordnet sind, behalten sie.</translation>
    </message>
    <message>
      <source>Tariff editor – %1</source>
      <comment>500</comment>
      <translation>Tarifeditor – %1</translation>
    </message>
    <message>
      <source>Mon–Fri</source>
      <comment>501</comment>
      <translation>Mo–Fr</translation>
    </message>
    <message>
      <source>Zones for Monday to Friday</source>
      <comment>502</comment>
      <translation>Tarifzeiten für Montag bis Freitag</translation>
    </message>
    <message>
      <source>Mon–Thu</source>
      <comment>503</comment>
      <translation>Mo–Do</translation>
    </message>
    <message>
      <source>Zones for Monday to Thursday</source>
      <comment>504</comment>
      <translation>Tarifzeiten für Montag bis Donnerstag</translation>
    </message>
    <message>
      <source>Friday</source>
      <comment>505</comment>
      <translation>Freitag</translation>
    </message>
    <message>
      <source>Zones for Friday</source>
      <comment>506</comment>
      <translation>Tarifzeiten für Freitag</translation>
    </message>
    <message>
      <source>Weekend</source>
      <comment>507</comment>
      <translation>Wochenende</translation>
    </message>
    <message>
      <source>Zones for Saturday and Sunday</source>
      <comment>508</comment>
      <translation>Tarifzeiten für Samstag und Sonntag</translation>
    </message>
    <message>
      <source>Saturday</source>
      <comment>509</comment>
      <translation>Samstag</translation>
    </message>
    <message>
      <source>Zones for Saturday</source>
      <comment>510</comment>
      <translation>Tarifzeiten für Samstag</translation>
    </message>
    <message>
      <source>Sunday</source>
      <comment>511</comment>
      <translation>Sonntag</translation>
    </message>
    <message>
      <source>Zones for Sunday</source>
      <comment>512</comment>
      <translation>Tarifzeiten für Sonntag</translation>
    </message>
    <message>
      <source>Holidays</source>
      <comment>513</comment>
      <translation>Feiertage</translation>
    </message>
    <message>
      <source>Zones for holidays</source>
      <comment>514</comment>
      <translation>Tarifzeiten für Feiertage</translation>
    </message>
    <message>
      <source>From</source>
      <comment>530</comment>
      <translation>Von</translation>
    </message>
    <message>
      <source>To</source>
      <comment>531</comment>
      <translation>Bis</translation>
    </message>
    <message>
      <source>Unit (s)</source>
      <comment>532</comment>
      <translation>Takt (s)</translation>
    </message>
    <message>
      <source>Price/unit</source>
      <comment>533</comment>
      <translation>Preis/
Einheit</translation>
    </message>
    <message>
      <source>Holiday</source>
      <comment>535</comment>
      <translation>Feiertag</translation>
    </message>
    <message>
      <source>Start charge</source>
      <comment>536</comment>
      <translation>Anfangs-
gebühr</translation>
    </message>
    <message>
      <source>Min. charge</source>
      <comment>537</comment>
      <translation>Mindest-
gebühr</translation>
    </message>
    <message>
      <source>Discount</source>
      <comment>538</comment>
      <translation>Rabatt</translation>
    </message>
    <message>
      <source>Initial (s)</source>
      <comment>539</comment>
      <translation>Anfangs-
dauer (s)</translation>
    </message>
    <message>
      <source>Discount unit (s)</source>
      <comment>540</comment>
      <translation>Rabatt-
takt (s)</translation>
    </message>
    <message>
      <source>Yes</source>
      <comment>545</comment>
      <translation>Ja</translation>
    </message>
    <message>
      <source>No</source>
      <comment>546</comment>
      <translation>Nein</translation>
    </message>
    <message>
      <source>The end of a zone must not lie before its start.
Enter a zone across midnight as two zones.</source>
      <comment>550</comment>
      <translation>Das Ende einer Tarifzeit darf nicht vor ihrem Beginn liegen.
Geben Sie eine Tarifzeit über Mitternacht als zwei Tarifzeiten ein.</translation>
    </message>
    <message>
      <source>The zone %1 to %2 overlaps other zones. Where zones overlap, the zone higher in the list applies:</source>
      <comment>551</comment>
      <translation>Die Tarifzeit %1 bis %2 überschneidet sich mit anderen Tarifzeiten. Wo sich Tarifzeiten überschneiden, gilt die weiter oben in der Liste:</translation>
    </message>
    <message>
      <source>from %1 to %2 the zone %3 to %4</source>
      <comment>552</comment>
      <translation>von %1 bis %2 die Tarifzeit %3 bis %4</translation>
    </message>
    <message>
      <source>Move a zone up or down to change which one applies.</source>
      <comment>553</comment>
      <translation>Verschieben Sie eine Tarifzeit nach oben oder unten, um zu ändern, welche gilt.</translation>
    </message>
    <message numerus="yes">
      <source>%1 unit charged at the discount price|%1 units charged at the discount price</source>
      <comment>560</comment>
      <translation>
        <numerusform>%1 Einheit zum Rabattpreis berechnet</numerusform>
        <numerusform>%1 Einheiten zum Rabattpreis berechnet</numerusform>
      </translation>
    </message>
    <message>
      <source>Tariff</source>
      <comment>570</comment>
      <translation>Tarif</translation>
    </message>
    <message>
      <source>(Default tariff)</source>
      <comment>571</comment>
      <translation>(Standardtarif)</translation>
    </message>
    <message>
      <source>Tariff files (*.tff)|*.tff|All files (*)|*</source>
      <comment>572</comment>
      <translation>Tarifdateien (*.tff)|*.tff|Alle Dateien (*)|*</translation>
    </message>
    <message>
      <source>Do you want to delete this tariff file?
Dial-up entries assigned to it will be metered with the default tariff.</source>
      <comment>573</comment>
      <translation>Möchten Sie diese Tarifdatei löschen?
DFÜ-Einträge, die ihr zugeordnet sind, werden dann mit dem Standardtarif berechnet.</translation>
    </message>
    <message>
      <source>New tariff file</source>
      <comment>574</comment>
      <translation>Neue Tarifdatei</translation>
    </message>
    <message>
      <source>Dial-up entry</source>
      <comment>575</comment>
      <translation>DFÜ-Eintrag</translation>
    </message>
    <message>
      <source>(Modem line)</source>
      <comment>576</comment>
      <translation>(Modemleitung)</translation>
    </message>
    <message>
      <source>%1–%2: %3 a minute</source>
      <comment>580</comment>
      <translation>%1–%2: %3 je Minute</translation>
    </message>
    <message>
      <source>%1–%2: %3 a minute. Zones overlap here; the first in the list applies.</source>
      <comment>581</comment>
      <translation>%1–%2: %3 je Minute. Hier überschneiden sich Tarifzeiten; es gilt die erste in der Liste.</translation>
    </message>
    <message>
      <source>%1–%2: no zone; the default rate applies (%3 a minute).</source>
      <comment>582</comment>
      <translation>%1–%2: keine Tarifzeit; es gilt der Standardpreis (%3 je Minute).</translation>
    </message>
    <message>
      <source>The tariff holds all these holidays already.</source>
      <comment>583</comment>
      <translation>Der Tarif enthält alle diese Feiertage bereits.</translation>
    </message>
    <message>
      <source>This kind of day has %1 zones, and a tariff may hold no more than %2 for one kind of day. Delete a zone before you add another.</source>
      <comment>584</comment>
      <translation>Diese Art von Tag hat %1 Tarifzeiten, und ein Tarif kann je Art von Tag nicht mehr als %2 enthalten. Löschen Sie eine Tarifzeit, bevor Sie eine weitere hinzufügen.</translation>
    </message>
    <message>
      <source>The tariff holds %1 holidays, and a tariff may hold no more than %2, so these %3 cannot be added. Delete holidays that have passed first.</source>
      <comment>585</comment>
      <translation>Der Tarif enthält %1 Feiertage, und ein Tarif kann nicht mehr als %2 enthalten, daher können diese %3 nicht hinzugefügt werden. Löschen Sie zuerst vergangene Feiertage.</translation>
    </message>
    <message>
      <source>The tariff file %1 holds %2 records, deleted ones included, and a tariff file may hold no more than %3. Export the tariff as text and import it again (fernzahl-cli tariff export, tariff import) to make a file without the deleted records.</source>
      <comment>586</comment>
      <translation>Die Tarifdatei %1 enthält %2 Datensätze, gelöschte mitgezählt, und eine Tarifdatei kann nicht mehr als %3 enthalten. Exportieren Sie den Tarif als Text und importieren Sie ihn wieder (fernzahl-cli tariff export, tariff import), um eine Datei ohne die gelöschten Datensätze zu erhalten.</translation>
    </message>
    <message>
      <source>Monthly budget</source>
      <comment>600</comment>
      <translation>Monatsbudget</translation>
    </message>
    <message>
      <source>Budget left: %1 of %2</source>
      <comment>601</comment>
      <translation>Restbudget: %1 von %2</translation>
    </message>
    <message>
      <source>Over budget by %1 (budget %2)</source>
      <comment>602</comment>
      <translation>Budget um %1 überschritten (Budget %2)</translation>
    </message>
    <message>
      <source>This month's connections have cost %1, more than %2%% of your monthly budget of %3. %4 is left.</source>
      <comment>603</comment>
      <translation>Die Verbindungen dieses Monats haben %1 gekostet, mehr als %2 %% Ihres Monatsbudgets von %3. Übrig sind %4.</translation>
    </message>
    <message>
      <source>This month's connections have cost %1, more than your monthly budget of %2.</source>
      <comment>604</comment>
      <translation>Die Verbindungen dieses Monats haben %1 gekostet, mehr als Ihr Monatsbudget von %2.</translation>
    </message>
    <message>
      <source>At this rate, this month's connections will cost about %1 by %2, more than your monthly budget of %3.</source>
      <comment>605</comment>
      <translation>Geht es so weiter, kosten die Verbindungen dieses Monats bis zum %2 etwa %1, mehr als Ihr Monatsbudget von %3.</translation>
    </message>
    <message>
      <source>Please enter an amount between %1 and %2.</source>
      <comment>606</comment>
      <translation>Bitte geben Sie einen Betrag zwischen %1 und %2 ein.</translation>
    </message>
    <message>
      <source>Connections shown: %1, logged at %2 in all. Each tariff file, re-rated unit by unit:</source>
      <comment>640</comment>
      <translation>Angezeigte Verbindungen: %1, laut Protokoll zusammen %2. Jede Tarifdatei, Einheit für Einheit nachberechnet:</translation>
    </message>
    <message>
      <source>Difference</source>
      <comment>641</comment>
      <translation>Differenz</translation>
    </message>
    <message>
      <source>Saving</source>
      <comment>642</comment>
      <translation>Ersparnis</translation>
    </message>
    <message>
      <source>%1 – cheapest</source>
      <comment>643</comment>
      <translation>%1 – günstigster</translation>
    </message>
    <message>
      <source>cannot be read</source>
      <comment>644</comment>
      <translation>nicht lesbar</translation>
    </message>
    <message>
      <source>Logged units</source>
      <comment>645</comment>
      <translation>Gezählte Einheiten</translation>
    </message>
    <message>
      <source>Logged costs</source>
      <comment>646</comment>
      <translation>Gezählte Kosten</translation>
    </message>
    <message>
      <source>Each connection under %1:</source>
      <comment>647</comment>
      <translation>Jede Verbindung unter %1:</translation>
    </message>
    <message>
      <source>Text files (*.txt)|*.txt|CSV files (*.csv)|*.csv</source>
      <comment>648</comment>
      <translation>Textdateien (*.txt)|*.txt|CSV-Dateien (*.csv)|*.csv</translation>
    </message>
    <message>
      <source>None of the connections shown can be re-rated.</source>
      <comment>649</comment>
      <translation>Keine der angezeigten Verbindungen kann nachberechnet werden.</translation>
    </message>
    <message>
      <source>Connection started</source>
      <comment>660</comment>
      <translation>Verbindung begonnen</translation>
    </message>
    <message>
      <source>Connection ended</source>
      <comment>661</comment>
      <translation>Verbindung beendet</translation>
    </message>
    <message>
      <source>%1 is connected, metered with the tariff %2.</source>
      <comment>662</comment>
      <translation>%1 ist verbunden und wird mit dem Tarif %2 berechnet.</translation>
    </message>
    <message>
      <source>%1: %2, 1 unit, %3</source>
      <comment>663</comment>
      <translation>%1: %2, 1 Einheit, %3</translation>
    </message>
    <message>
      <source>%1: %2, %3 units, %4</source>
      <comment>664</comment>
      <translation>%1: %2, %3 Einheiten, %4</translation>
    </message>
    <message>
      <source>Connection after an interruption</source>
      <comment>665</comment>
      <translation>Verbindung nach einer Unterbrechung</translation>
    </message>
    <message>
      <source>Connection not logged yet</source>
      <comment>666</comment>
      <translation>Verbindung noch nicht protokolliert</translation>
    </message>
    <message>
      <source>A connection could not be written to the log %1. Fernzahl keeps it and tries again every minute.</source>
      <comment>667</comment>
      <translation>Eine Verbindung konnte nicht in das Protokoll %1 geschrieben werden. Fernzahl behält sie und versucht es jede Minute erneut.</translation>
    </message>
    <message>
      <source>Fernzahl is already metering this data folder without a window (%1, process %2). Its connections reach you as notifications and through &quot;fernzahl-cli status&quot;. To meter with the window instead, stop it (systemctl --user stop fernzahl, or kill %2) and start Fernzahl again.</source>
      <comment>668</comment>
      <translation>Fernzahl zählt diesen Datenordner bereits ohne Fenster (%1, Prozess %2). Seine Verbindungen erreichen Sie als Benachrichtigungen und über „fernzahl-cli status“. Um stattdessen mit dem Fenster zu zählen, beenden Sie es (systemctl --user stop fernzahl oder kill %2) und starten Fernzahl erneut.</translation>
    </message>
    <message>
      <source>Counters</source>
      <comment>669</comment>
      <translation>Zähler</translation>
    </message>
    <message>
      <source>fernzahl-cli is adding a simulated connection to this data folder (%1, process %2). Start Fernzahl again once it has finished; to stop it instead, end it with kill %2 (it then adds nothing).</source>
      <comment>670</comment>
      <translation>fernzahl-cli fügt diesem Datenordner gerade eine simulierte Verbindung hinzu (%1, Prozess %2). Starten Sie Fernzahl erneut, wenn es fertig ist; um es stattdessen abzubrechen, beenden Sie es mit kill %2 (es fügt dann nichts hinzu).</translation>
    </message>
    <message>
      <source>Fernzahl is already running for this data folder, from a program file that has been replaced since it started, usually by an update (%1, process %2), so it cannot be asked to show its window. End it with Exit in its menu or in the notification area, or with kill %2, and start Fernzahl again.</source>
      <comment>671</comment>
      <translation>Fernzahl läuft für diesen Datenordner bereits, aus einer Programmdatei, die seit seinem Start ersetzt wurde, meist durch ein Update (%1, Prozess %2), und kann daher nicht gebeten werden, sein Fenster zu zeigen. Beenden Sie es mit „Beenden“ in seinem Menü oder im Infobereich oder mit kill %2 und starten Sie Fernzahl erneut.</translation>
    </message>
    <message>
      <source>Another copy of Fernzahl is already running for this data folder (%1, process %2) and could not be asked to show its window. Bring it up from its icon in the notification area, or end it (kill %2) and start Fernzahl again.</source>
      <comment>672</comment>
      <translation>Eine andere Kopie von Fernzahl läuft für diesen Datenordner bereits (%1, Prozess %2) und konnte nicht gebeten werden, ihr Fenster zu zeigen. Holen Sie sie über ihr Symbol im Infobereich hervor oder beenden Sie sie (kill %2) und starten Sie Fernzahl erneut.</translation>
    </message>
    <message>
      <source>The data folder %1 is in use: %2 (process %3) holds its lock file %4. End that program and start Fernzahl again, or start Fernzahl with another data folder (fernzahl --data-dir FOLDER).</source>
      <comment>673</comment>
      <translation>Der Datenordner %1 ist belegt: %2 (Prozess %3) hält seine Sperrdatei %4. Beenden Sie dieses Programm und starten Sie Fernzahl erneut, oder starten Sie Fernzahl mit einem anderen Datenordner (fernzahl --data-dir ORDNER).</translation>
    </message>
    <message>
      <source>The data folder %1 is in use: another program holds its lock file %2, and which one cannot be found out (a process of another user or on another computer). End that program and start Fernzahl again, or start Fernzahl with another data folder (fernzahl --data-dir FOLDER).</source>
      <comment>674</comment>
      <translation>Der Datenordner %1 ist belegt: Ein anderes Programm hält seine Sperrdatei %2, und welches, lässt sich nicht herausfinden (ein Prozess eines anderen Benutzers oder auf einem anderen Rechner). Beenden Sie dieses Programm und starten Sie Fernzahl erneut, oder starten Sie Fernzahl mit einem anderen Datenordner (fernzahl --data-dir ORDNER).</translation>
    </message>
    <message>
      <source>Tariff file not read</source>
      <comment>680</comment>
      <translation>Tarifdatei nicht gelesen</translation>
    </message>
    <message>
      <source>The tariff file %1 is larger than a tariff file may be (%2 records, %3 bytes), so Fernzahl does not read it. Connections are charged at the rates last read from it, or else at the default rate, until it is replaced by a smaller one, such as a tariff imported from its text (fernzahl-cli tariff import).</source>
      <comment>681</comment>
      <translation>Die Tarifdatei %1 ist größer, als eine Tarifdatei sein darf (%2 Datensätze, %3 Byte), daher liest Fernzahl sie nicht. Verbindungen werden mit den zuletzt aus ihr gelesenen Preisen berechnet, sonst zum Standardpreis, bis sie durch eine kleinere ersetzt ist, etwa einen aus seinem Text importierten Tarif (fernzahl-cli tariff import).</translation>
    </message>
    <message>
      <source>Fernzahl</source>
      <comment>57344</comment>
      <translation>Fernzahl</translation>
    </message>
    <message>
      <source>Please enter a whole number.</source>
      <comment>61712</comment>
      <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
      <source>Please enter a number between %1 and %2.</source>
      <comment>61714</comment>
      <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
      <source>Please enter no more than %1 characters.</source>
      <comment>61716</comment>
      <translation>Bitte geben Sie höchstens %1 Zeichen ein.</translation>
    </message>
    <message>
      <source>Please enter a whole number that is not negative.</source>
      <comment>61719</comment>
      <translation>Bitte geben Sie eine ganze Zahl ein, die nicht negativ ist.</translation>
    </message>
    <message>
      <source>Please enter a date the way your system writes it, such as %1, or as 2026-12-24.</source>
      <comment>61720</comment>
      <translation>Bitte geben Sie ein Datum so ein, wie Ihr System es schreibt, etwa %1, oder als 2026-12-24.</translation>
    </message>
    <message>
      <source>Please enter an amount of money as %1 is written.</source>
      <comment>61721</comment>
      <translation>Bitte geben Sie einen Geldbetrag so ein, wie %1 geschrieben ist.</translation>
    </message>
    <message>
      <source>Please enter a date and time the way your system writes them, such as %1, or as 2026-12-24 18:30:00.</source>
      <comment>61722</comment>
      <translation>Bitte geben Sie Datum und Uhrzeit so ein, wie Ihr System sie schreibt, etwa %1, oder als 2026-12-24 18:30:00.</translation>
    </message>
  </context>
  <context>
    <name>menu 102</name>
    <message>
      <source>&amp;Fernzahl</source>
      <comment>popup</comment>
      <translation>&amp;Fernzahl</translation>
    </message>
    <message>
      <source>&amp;Log…</source>
      <comment>32798</comment>
      <translation>&amp;Protokoll…</translation>
    </message>
    <message>
      <source>Reset &amp;daily counter…</source>
      <comment>32785</comment>
      <translation>&amp;Tageszähler zurücksetzen…</translation>
    </message>
    <message>
      <source>Reset &amp;weekly counter…</source>
      <comment>32786</comment>
      <translation>&amp;Wochenzähler zurücksetzen…</translation>
    </message>
    <message>
      <source>Reset &amp;monthly counter…</source>
      <comment>32787</comment>
      <translation>&amp;Monatszähler zurücksetzen…</translation>
    </message>
    <message>
      <source>Reset &amp;total counter…</source>
      <comment>32788</comment>
      <translation>&amp;Gesamtzähler zurücksetzen…</translation>
    </message>
    <message>
      <source>&amp;Hide</source>
      <comment>2</comment>
      <translation>&amp;Ausblenden</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <comment>1</comment>
      <translation>&amp;Beenden</translation>
    </message>
    <message>
      <source>&amp;Settings</source>
      <comment>popup</comment>
      <translation>&amp;Einstellungen</translation>
    </message>
    <message>
      <source>&amp;Options…</source>
      <comment>32801</comment>
      <translation>&amp;Optionen…</translation>
    </message>
    <message>
      <source>&amp;Tariff editor…</source>
      <comment>32795</comment>
      <translation>&amp;Tarifeditor…</translation>
    </message>
    <message>
      <source>Tariff o&amp;ptions…</source>
      <comment>32823</comment>
      <translation>Tarifoptio&amp;nen…</translation>
    </message>
    <message>
      <source>&amp;Assignment of dial-up entries…</source>
      <comment>32826</comment>
      <translation>&amp;Zuordnung der DFÜ-Einträge…</translation>
    </message>
    <message>
      <source>Al&amp;ways on top</source>
      <comment>32791</comment>
      <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <comment>popup</comment>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>&amp;User guide</source>
      <comment>57670</comment>
      <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
      <source>&amp;About Fernzahl…</source>
      <comment>57664</comment>
      <translation>&amp;Über Fernzahl…</translation>
    </message>
  </context>
  <context>
    <name>menu 132</name>
    <message>
      <source>Tray</source>
      <comment>popup</comment>
      <translation>Infobereich</translation>
    </message>
    <message>
      <source>&amp;Show Fernzahl</source>
      <comment>32777</comment>
      <translation>Fernzahl &amp;anzeigen</translation>
    </message>
    <message>
      <source>&amp;Log…</source>
      <comment>32798</comment>
      <translation>&amp;Protokoll…</translation>
    </message>
    <message>
      <source>&amp;Options…</source>
      <comment>32801</comment>
      <translation>&amp;Optionen…</translation>
    </message>
    <message>
      <source>&amp;Tariff editor…</source>
      <comment>32795</comment>
      <translation>&amp;Tarifeditor…</translation>
    </message>
    <message>
      <source>Tariff o&amp;ptions…</source>
      <comment>32823</comment>
      <translation>Tarifoptio&amp;nen…</translation>
    </message>
    <message>
      <source>&amp;About Fernzahl…</source>
      <comment>57664</comment>
      <translation>&amp;Über Fernzahl…</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <comment>1</comment>
      <translation>&amp;Beenden</translation>
    </message>
  </context>
  <context>
    <name>menu 174</name>
    <message>
      <source>&amp;Log</source>
      <comment>popup</comment>
      <translation>&amp;Protokoll</translation>
    </message>
    <message>
      <source>&amp;Refresh</source>
      <comment>32822</comment>
      <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
      <source>&amp;Export…</source>
      <comment>32816</comment>
      <translation>&amp;Exportieren…</translation>
    </message>
    <message>
      <source>&amp;Print…</source>
      <comment>32818</comment>
      <translation>&amp;Drucken…</translation>
    </message>
    <message>
      <source>Print pre&amp;view…</source>
      <comment>32842</comment>
      <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
      <source>&amp;Filter</source>
      <comment>popup</comment>
      <translation>&amp;Filter</translation>
    </message>
    <message>
      <source>&amp;Filter…</source>
      <comment>32804</comment>
      <translation>&amp;Filter…</translation>
    </message>
    <message>
      <source>&amp;Remove filter</source>
      <comment>32805</comment>
      <translation>Filter &amp;aufheben</translation>
    </message>
    <message>
      <source>&amp;Today</source>
      <comment>32829</comment>
      <translation>&amp;Heute</translation>
    </message>
    <message>
      <source>This &amp;week</source>
      <comment>32830</comment>
      <translation>Diese &amp;Woche</translation>
    </message>
    <message>
      <source>This &amp;month</source>
      <comment>32831</comment>
      <translation>Dieser &amp;Monat</translation>
    </message>
    <message>
      <source>S&amp;ort</source>
      <comment>popup</comment>
      <translation>&amp;Sortieren</translation>
    </message>
    <message>
      <source>By &amp;start</source>
      <comment>32844</comment>
      <translation>Nach &amp;Beginn</translation>
    </message>
    <message>
      <source>By &amp;duration</source>
      <comment>32845</comment>
      <translation>Nach &amp;Dauer</translation>
    </message>
    <message>
      <source>By &amp;units</source>
      <comment>32846</comment>
      <translation>Nach &amp;Einheiten</translation>
    </message>
    <message>
      <source>By &amp;costs</source>
      <comment>32847</comment>
      <translation>Nach &amp;Kosten</translation>
    </message>
    <message>
      <source>By c&amp;onnection</source>
      <comment>32848</comment>
      <translation>Nach &amp;Verbindung</translation>
    </message>
    <message>
      <source>By us&amp;er</source>
      <comment>32849</comment>
      <translation>Nach Ben&amp;utzer</translation>
    </message>
    <message>
      <source>By de&amp;vice</source>
      <comment>32850</comment>
      <translation>Nach &amp;Gerät</translation>
    </message>
    <message>
      <source>By &amp;tariff</source>
      <comment>32851</comment>
      <translation>Nach &amp;Tarif</translation>
    </message>
    <message>
      <source>Desce&amp;nding</source>
      <comment>32852</comment>
      <translation>&amp;Absteigend</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <comment>popup</comment>
      <translation>&amp;Löschen</translation>
    </message>
    <message>
      <source>&amp;Selected entries…</source>
      <comment>32832</comment>
      <translation>&amp;Markierte Einträge…</translation>
    </message>
    <message>
      <source>S&amp;hown entries…</source>
      <comment>32817</comment>
      <translation>&amp;Angezeigte Einträge…</translation>
    </message>
    <message>
      <source>&amp;Whole log…</source>
      <comment>32833</comment>
      <translation>&amp;Ganzes Protokoll…</translation>
    </message>
    <message>
      <source>&amp;Summary</source>
      <comment>popup</comment>
      <translation>&amp;Zusammenfassung</translation>
    </message>
    <message>
      <source>By &amp;day</source>
      <comment>32834</comment>
      <translation>Nach &amp;Tag</translation>
    </message>
    <message>
      <source>By &amp;user</source>
      <comment>32835</comment>
      <translation>Nach &amp;Benutzer</translation>
    </message>
    <message>
      <source>By &amp;name</source>
      <comment>32836</comment>
      <translation>Nach &amp;Namen</translation>
    </message>
    <message>
      <source>By &amp;hour</source>
      <comment>32839</comment>
      <translation>Nach &amp;Stunde</translation>
    </message>
    <message>
      <source>By day of the &amp;month</source>
      <comment>32840</comment>
      <translation>Nach &amp;Monatstag</translation>
    </message>
    <message>
      <source>By &amp;weekday</source>
      <comment>32838</comment>
      <translation>Nach &amp;Wochentag</translation>
    </message>
    <message>
      <source>By m&amp;onth</source>
      <comment>32841</comment>
      <translation>Nach M&amp;onat</translation>
    </message>
    <message>
      <source>&amp;Compare tariffs…</source>
      <comment>32843</comment>
      <translation>Tarife &amp;vergleichen…</translation>
    </message>
  </context>
  <context>
    <name>form 100</name>
    <message>
      <source>About Fernzahl</source>
      <comment>id100.windowTitle</comment>
      <translation>Über Fernzahl</translation>
    </message>
    <message>
      <source>&amp;Licence and help</source>
      <comment>id1066.text</comment>
      <translation>&amp;Lizenz und Hilfe</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>form 102</name>
    <message>
      <source>Fernzahl</source>
      <comment>id102.windowTitle</comment>
      <translation>Fernzahl</translation>
    </message>
    <message>
      <source>Last connection</source>
      <comment>id1025.title</comment>
      <translation>Letzte Verbindung</translation>
    </message>
    <message>
      <source>Today</source>
      <comment>id1020.title</comment>
      <translation>Heute</translation>
    </message>
    <message>
      <source>&amp;Today</source>
      <comment>id1021.text</comment>
      <translation>Heu&amp;te</translation>
    </message>
    <message>
      <source>This &amp;week</source>
      <comment>id1022.text</comment>
      <translation>Diese &amp;Woche</translation>
    </message>
    <message>
      <source>This &amp;month</source>
      <comment>id1023.text</comment>
      <translation>Dieser &amp;Monat</translation>
    </message>
    <message>
      <source>T&amp;otal</source>
      <comment>id1024.text</comment>
      <translation>&amp;Gesamt</translation>
    </message>
  </context>
  <context>
    <name>form 107</name>
    <message>
      <source>Zones</source>
      <comment>id107.windowTitle</comment>
      <translation>Tarifzeiten</translation>
    </message>
    <message>
      <source>Zones</source>
      <comment>id1106.text</comment>
      <translation>Tarifzeiten</translation>
    </message>
    <message>
      <source>&amp;Add…</source>
      <comment>id1107.text</comment>
      <translation>&amp;Hinzufügen…</translation>
    </message>
    <message>
      <source>&amp;Edit…</source>
      <comment>id1108.text</comment>
      <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <comment>id1109.text</comment>
      <translation>&amp;Löschen</translation>
    </message>
    <message>
      <source>Move &amp;up</source>
      <comment>id1181.text</comment>
      <translation>Nach &amp;oben</translation>
    </message>
    <message>
      <source>Where zones overlap, the zone higher in the list applies.</source>
      <comment>id1181.toolTip</comment>
      <translation>Wo sich Tarifzeiten überschneiden, gilt die weiter oben in der Liste.</translation>
    </message>
    <message>
      <source>Move do&amp;wn</source>
      <comment>id1182.text</comment>
      <translation>Nach u&amp;nten</translation>
    </message>
    <message>
      <source>Where zones overlap, the zone higher in the list applies.</source>
      <comment>id1182.toolTip</comment>
      <translation>Wo sich Tarifzeiten überschneiden, gilt die weiter oben in der Liste.</translation>
    </message>
    <message>
      <source>The day at a glance: price per minute, green for the cheapest zone, red for the dearest</source>
      <comment>stripLabel.text</comment>
      <translation>Der Tag auf einen Blick: Preis je Minute, grün für die günstigste Tarifzeit, rot für die teuerste</translation>
    </message>
    <message>
      <source>Hatched: no zone covers that time, so the default rate applies. A dark edge on top: zones overlap there, and the first one in the list applies. Zones are saved as soon as you add, edit or delete them; Cancel does not undo that.</source>
      <comment>stripHint.text</comment>
      <translation>Schraffiert: Keine Tarifzeit deckt diese Zeit ab, also gilt der Standardpreis. Ein dunkler Rand oben: Dort überschneiden sich Tarifzeiten, und es gilt die erste in der Liste. Tarifzeiten werden gespeichert, sobald Sie sie hinzufügen, bearbeiten oder löschen; „Abbrechen“ macht das nicht rückgängig.</translation>
    </message>
  </context>
  <context>
    <name>form 142</name>
    <message>
      <source>Fernzahl</source>
      <comment>id142.windowTitle</comment>
      <translation>Fernzahl</translation>
    </message>
  </context>
  <context>
    <name>form 165</name>
    <message>
      <source>Monitoring</source>
      <comment>id165.windowTitle</comment>
      <translation>Überwachung</translation>
    </message>
    <message>
      <source>Dial-up networking</source>
      <comment>dialUpGroup.title</comment>
      <translation>DFÜ-Netzwerk</translation>
    </message>
    <message>
      <source>Watch &amp;dial-up networking connections</source>
      <comment>id1088.text</comment>
      <translation>&amp;DFÜ-Netzwerkverbindungen überwachen</translation>
    </message>
    <message>
      <source>Count connections made by pppd and by NetworkManager dial-up profiles.</source>
      <comment>id1088.toolTip</comment>
      <translation>Verbindungen zählen, die pppd und die DFÜ-Profile des NetworkManagers herstellen.</translation>
    </message>
    <message>
      <source>pppd links and NetworkManager's dial-up profiles (mobile broadband, DSL)</source>
      <comment>id1093.text</comment>
      <translation>pppd-Verbindungen und die DFÜ-Profile des NetworkManagers (Mobilfunk, DSL)</translation>
    </message>
    <message>
      <source>Modem line</source>
      <comment>modemGroup.title</comment>
      <translation>Modemleitung</translation>
    </message>
    <message>
      <source>Watch the carrier line of a &amp;serial modem</source>
      <comment>id1091.text</comment>
      <translation>Trägersignal eines &amp;seriellen Modems überwachen</translation>
    </message>
    <message>
      <source>A connection is counted while the modem reports a carrier (the DCD line is on).</source>
      <comment>id1091.toolTip</comment>
      <translation>Eine Verbindung wird gezählt, solange das Modem ein Trägersignal meldet (die DCD-Leitung ist aktiv).</translation>
    </message>
    <message>
      <source>Serial de&amp;vice:</source>
      <comment>id1151.text</comment>
      <translation>Serielles &amp;Gerät:</translation>
    </message>
    <message>
      <source>The devices present now; a device that is plugged in later can be typed by its path.</source>
      <comment>id1089.toolTip</comment>
      <translation>Die jetzt vorhandenen Geräte; ein Gerät, das erst später eingesteckt wird, kann mit seinem Pfad eingegeben werden.</translation>
    </message>
    <message>
      <source>&amp;Tolerance:</source>
      <comment>id1152.text</comment>
      <translation>&amp;Toleranzzeit:</translation>
    </message>
    <message>
      <source>How many seconds the carrier must be present before the connection counts.</source>
      <comment>id1153.toolTip</comment>
      <translation>Wie viele Sekunden das Trägersignal anliegen muss, bevor die Verbindung gezählt wird.</translation>
    </message>
    <message>
      <source>seconds the carrier must last</source>
      <comment>toleranceUnit.text</comment>
      <translation>Sekunden, die das Trägersignal anliegen muss</translation>
    </message>
    <message>
      <source>As&amp;k for a description of each modem connection</source>
      <comment>id1090.text</comment>
      <translation>Bei jeder Modemverbindung nach einer &amp;Beschreibung fragen</translation>
    </message>
    <message>
      <source>A connection seen on the modem line has no name; you can describe it for the log.</source>
      <comment>id1090.toolTip</comment>
      <translation>Eine auf der Modemleitung erkannte Verbindung hat keinen Namen; Sie können sie für das Protokoll beschreiben.</translation>
    </message>
    <message>
      <source>&amp;Lead time:</source>
      <comment>leadTimeLabel.text</comment>
      <translation>&amp;Vorlaufzeit:</translation>
    </message>
    <message>
      <source>0 to 600 seconds</source>
      <comment>id1014.toolTip</comment>
      <translation>0 bis 600 Sekunden</translation>
    </message>
    <message>
      <source>seconds (0 to 600)</source>
      <comment>leadTimeUnit.text</comment>
      <translation>Sekunden (0 bis 600)</translation>
    </message>
    <message>
      <source>Your provider charges from the moment of dialling, so each connection is counted from this many seconds before Fernzahl noticed it.</source>
      <comment>leadTimeHint.text</comment>
      <translation>Ihr Anbieter berechnet ab dem Wählen; darum zählt Fernzahl jede Verbindung schon ab so vielen Sekunden vor dem Zeitpunkt, an dem es sie bemerkt.</translation>
    </message>
  </context>
  <context>
    <name>form 166</name>
    <message>
      <source>Counters</source>
      <comment>id166.windowTitle</comment>
      <translation>Zähler</translation>
    </message>
    <message>
      <source>Monthly counter</source>
      <comment>monthGroup.title</comment>
      <translation>Monatszähler</translation>
    </message>
    <message>
      <source>&amp;Reset the monthly counter automatically</source>
      <comment>id1050.text</comment>
      <translation>Monatszähler automatisch &amp;zurücksetzen</translation>
    </message>
    <message>
      <source>On &amp;day</source>
      <comment>resetDayLabel.text</comment>
      <translation>Am &amp;Tag</translation>
    </message>
    <message>
      <source>1 to 31</source>
      <comment>id1049.toolTip</comment>
      <translation>1 bis 31</translation>
    </message>
    <message>
      <source>of each month (1 to 31)</source>
      <comment>resetDayUnit.text</comment>
      <translation>jedes Monats (1 bis 31)</translation>
    </message>
    <message>
      <source>Choose the day your phone bill starts a new month. In a month that has no such day (the 31st in April, say), the counter is reset on the 1st of the next month.</source>
      <comment>resetDayHint.text</comment>
      <translation>Wählen Sie den Tag, an dem Ihre Telefonrechnung einen neuen Monat beginnt. In einem Monat ohne diesen Tag (etwa den 31. im April) wird der Zähler am 1. des Folgemonats zurückgesetzt.</translation>
    </message>
    <message>
      <source>New day, week and month</source>
      <comment>whenGroup.title</comment>
      <translation>Neuer Tag, neue Woche, neuer Monat</translation>
    </message>
    <message>
      <source>Reset counters only when Fernzahl &amp;starts</source>
      <comment>id1051.text</comment>
      <translation>Zähler nur beim &amp;Start von Fernzahl zurücksetzen</translation>
    </message>
    <message>
      <source>Normally the daily, weekly and monthly counters start afresh as soon as a new day, week or month begins, even while Fernzahl is running. With this option that happens only when Fernzahl starts.</source>
      <comment>onlyAtStartHint.text</comment>
      <translation>Normalerweise beginnen Tages-, Wochen- und Monatszähler neu, sobald ein neuer Tag, eine neue Woche oder ein neuer Monat anfängt, auch während Fernzahl läuft. Mit dieser Option geschieht das nur beim Start von Fernzahl.</translation>
    </message>
  </context>
  <context>
    <name>form 167</name>
    <message>
      <source>Log export</source>
      <comment>id167.windowTitle</comment>
      <translation>Protokollexport</translation>
    </message>
    <message>
      <source>Automatic export</source>
      <comment>exportGroup.title</comment>
      <translation>Automatischer Export</translation>
    </message>
    <message>
      <source>&amp;Export the log to &quot;Log.txt&quot; after every connection</source>
      <comment>id1094.text</comment>
      <translation>Protokoll nach jeder Verbindung in „Log.txt“ &amp;exportieren</translation>
    </message>
    <message>
      <source>Fernzahl then writes the whole log to the file Log.txt in its data folder (normally ~/.local/share/fernzahl) whenever the log changes: after every connection and after entries are deleted. The file is replaced each time.</source>
      <comment>exportHint.text</comment>
      <translation>Fernzahl schreibt dann das ganze Protokoll in die Datei Log.txt in seinem Datenordner (normalerweise ~/.local/share/fernzahl), sobald sich das Protokoll ändert: nach jeder Verbindung und nach dem Löschen von Einträgen. Die Datei wird jedes Mal ersetzt.</translation>
    </message>
    <message>
      <source>It is plain text with one line per connection and the fields separated by semicolons, ready for a spreadsheet or another program.</source>
      <comment>formatHint.text</comment>
      <translation>Sie enthält reinen Text mit einer Zeile je Verbindung, die Felder durch Semikolons getrennt, bereit für eine Tabellenkalkulation oder ein anderes Programm.</translation>
    </message>
  </context>
  <context>
    <name>form 168</name>
    <message>
      <source>Signals</source>
      <comment>id168.windowTitle</comment>
      <translation>Signale</translation>
    </message>
    <message>
      <source>Alarms</source>
      <comment>alarmGroup.title</comment>
      <translation>Alarme</translation>
    </message>
    <message>
      <source>Alarm after this many &amp;units:</source>
      <comment>id1069.text</comment>
      <translation>Alarm nach so vielen &amp;Einheiten:</translation>
    </message>
    <message>
      <source>Alarm after this many units</source>
      <comment>id1070.accessibleName</comment>
      <translation>Alarm nach so vielen Einheiten</translation>
    </message>
    <message>
      <source>Number of units</source>
      <comment>id1070.toolTip</comment>
      <translation>Anzahl der Einheiten</translation>
    </message>
    <message>
      <source>Alarm after this many &amp;minutes:</source>
      <comment>id1068.text</comment>
      <translation>Alarm nach so vielen &amp;Minuten:</translation>
    </message>
    <message>
      <source>Alarm after this many minutes</source>
      <comment>id1071.accessibleName</comment>
      <translation>Alarm nach so vielen Minuten</translation>
    </message>
    <message>
      <source>Minutes from the start of the connection</source>
      <comment>id1071.toolTip</comment>
      <translation>Minuten ab Beginn der Verbindung</translation>
    </message>
    <message>
      <source>(minutes from the start)</source>
      <comment>minutesUnit.text</comment>
      <translation>(Minuten ab Beginn)</translation>
    </message>
    <message>
      <source>&amp;Sound file for both alarms:</source>
      <comment>alarmSoundLabel.text</comment>
      <translation>&amp;Klangdatei für beide Alarme:</translation>
    </message>
    <message>
      <source>&amp;Browse…</source>
      <comment>id1073.text</comment>
      <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
      <source>&amp;Play</source>
      <comment>id1075.text</comment>
      <translation>&amp;Abspielen</translation>
    </message>
    <message>
      <source>Unit sounds</source>
      <comment>unitGroup.title</comment>
      <translation>Einheitensignale</translation>
    </message>
    <message>
      <source>Sound at &amp;every unit</source>
      <comment>id1074.text</comment>
      <translation>Signal bei &amp;jeder Einheit</translation>
    </message>
    <message>
      <source>Sound &amp;20 seconds before each unit</source>
      <comment>id1076.text</comment>
      <translation>Signal &amp;20 Sekunden vor jeder Einheit</translation>
    </message>
    <message>
      <source>Sound &amp;file for the unit sounds:</source>
      <comment>unitSoundLabel.text</comment>
      <translation>Klangdatei für die Einheiten&amp;signale:</translation>
    </message>
    <message>
      <source>Br&amp;owse…</source>
      <comment>id1084.text</comment>
      <translation>D&amp;urchsuchen…</translation>
    </message>
    <message>
      <source>Pl&amp;ay</source>
      <comment>id1085.text</comment>
      <translation>Abs&amp;pielen</translation>
    </message>
    <message>
      <source>Notifications</source>
      <comment>noticeGroup.title</comment>
      <translation>Benachrichtigungen</translation>
    </message>
    <message>
      <source>&amp;Notify at the end of each connection, with its duration and costs</source>
      <comment>id1095.text</comment>
      <translation>&amp;Nach jeder Verbindung benachrichtigen, mit Dauer und Kosten</translation>
    </message>
    <message>
      <source>Notify when a connection s&amp;tarts</source>
      <comment>id1096.text</comment>
      <translation>Benachrichtigen, wenn eine Verbindung &amp;beginnt</translation>
    </message>
    <message>
      <source>Each alarm is given once per connection and makes the Fernzahl window flash. Without a sound file the desktop's bell sounds.</source>
      <comment>soundHint.text</comment>
      <translation>Jeder Alarm ertönt einmal je Verbindung und lässt das Fenster von Fernzahl blinken. Ohne Klangdatei ertönt die Glocke des Desktops.</translation>
    </message>
  </context>
  <context>
    <name>form 172</name>
    <message>
      <source>Connection without a name</source>
      <comment>id172.windowTitle</comment>
      <translation>Verbindung ohne Namen</translation>
    </message>
    <message>
      <source>A connection has ended that has no name. Please describe it for the log:</source>
      <comment>prompt.text</comment>
      <translation>Eine Verbindung ohne Namen wurde beendet. Bitte beschreiben Sie sie für das Protokoll:</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
  </context>
  <context>
    <name>form 173</name>
    <message>
      <source>Display</source>
      <comment>id173.windowTitle</comment>
      <translation>Anzeige</translation>
    </message>
    <message>
      <source>Counter window</source>
      <comment>counterGroup.title</comment>
      <translation>Zählerfenster</translation>
    </message>
    <message>
      <source>&amp;Show the counter window when a connection starts</source>
      <comment>id1098.text</comment>
      <translation>Zählerfenster beim Beginn einer Verbindung &amp;anzeigen</translation>
    </message>
    <message>
      <source>The window opens minimized, and its entry in the taskbar shows the running counter. It is hidden again when the connection ends.</source>
      <comment>showHint.text</comment>
      <translation>Das Fenster öffnet sich minimiert, und sein Eintrag in der Taskleiste zeigt den laufenden Zähler. Wenn die Verbindung endet, wird es wieder ausgeblendet.</translation>
    </message>
    <message>
      <source>Show &amp;costs before time in the counter</source>
      <comment>id1141.text</comment>
      <translation>&amp;Kosten vor der Zeit im Zähler anzeigen</translation>
    </message>
    <message>
      <source>&lt;small&gt;Taskbar entry (time first):&lt;/small&gt;&lt;br/&gt;&lt;b&gt;00:12:34 · %1&lt;/b&gt;</source>
      <comment>id1099.text</comment>
      <translation>&lt;small&gt;Taskleisteneintrag (Zeit zuerst):&lt;/small&gt;&lt;br/&gt;&lt;b&gt;00:12:34 · %1&lt;/b&gt;</translation>
    </message>
    <message>
      <source>Preview: the time before the costs</source>
      <comment>id1099.toolTip</comment>
      <translation>Vorschau: die Zeit vor den Kosten</translation>
    </message>
    <message>
      <source>&lt;small&gt;Taskbar entry (costs first):&lt;/small&gt;&lt;br/&gt;&lt;b&gt;%1 · 00:12:34&lt;/b&gt;</source>
      <comment>id1101.text</comment>
      <translation>&lt;small&gt;Taskleisteneintrag (Kosten zuerst):&lt;/small&gt;&lt;br/&gt;&lt;b&gt;%1 · 00:12:34&lt;/b&gt;</translation>
    </message>
    <message>
      <source>Preview: the costs before the time</source>
      <comment>id1101.toolTip</comment>
      <translation>Vorschau: die Kosten vor der Zeit</translation>
    </message>
    <message>
      <source>Language</source>
      <comment>languageGroup.title</comment>
      <translation>Sprache</translation>
    </message>
    <message>
      <source>&amp;Language of windows and texts:</source>
      <comment>languageLabel.text</comment>
      <translation>&amp;Sprache der Fenster und Texte:</translation>
    </message>
    <message>
      <source>Automatic follows the language of your desktop; numbers, dates and amounts always follow your locale.</source>
      <comment>id1190.toolTip</comment>
      <translation>„Automatisch“ folgt der Sprache Ihres Desktops; Zahlen, Datumsangaben und Beträge folgen immer Ihren Ländereinstellungen.</translation>
    </message>
    <message>
      <source>Automatic</source>
      <comment>id1190.item[0].text</comment>
      <translation>Automatisch</translation>
    </message>
    <message>
      <source>A new language takes effect the next time Fernzahl starts.</source>
      <comment>languageHint.text</comment>
      <translation>Eine neue Sprache gilt ab dem nächsten Start von Fernzahl.</translation>
    </message>
  </context>
  <context>
    <name>form 174</name>
    <message>
      <source>Connection log</source>
      <comment>id174.windowTitle</comment>
      <translation>Verbindungsprotokoll</translation>
    </message>
    <message>
      <source>Connections</source>
      <comment>id1027.accessibleName</comment>
      <translation>Verbindungen</translation>
    </message>
    <message>
      <source>Filtered</source>
      <comment>id1154.text</comment>
      <translation>Gefiltert</translation>
    </message>
    <message>
      <source>Only the connections that match the filter are shown, and the totals count only them. Choose Filter, Remove filter to see the whole log again.</source>
      <comment>id1154.toolTip</comment>
      <translation>Nur die Verbindungen, die zum Filter passen, werden angezeigt, und nur sie zählen in den Summen. Wählen Sie „Filter → Filter aufheben“, um wieder das ganze Protokoll zu sehen.</translation>
    </message>
    <message>
      <source>Reading the log</source>
      <comment>id1039.toolTip</comment>
      <translation>Das Protokoll wird gelesen</translation>
    </message>
    <message>
      <source>Close</source>
      <comment>id1.text</comment>
      <translation>Schließen</translation>
    </message>
  </context>
  <context>
    <name>form 180</name>
    <message>
      <source>Filter the log</source>
      <comment>id180.windowTitle</comment>
      <translation>Protokoll filtern</translation>
    </message>
    <message>
      <source>Show only the connections that match all of these:</source>
      <comment>explanation.text</comment>
      <translation>Nur Verbindungen anzeigen, die alle diese Bedingungen erfüllen:</translation>
    </message>
    <message>
      <source>&amp;Connection:</source>
      <comment>connectionLabel.text</comment>
      <translation>&amp;Verbindung:</translation>
    </message>
    <message>
      <source>&amp;User:</source>
      <comment>userLabel.text</comment>
      <translation>&amp;Benutzer:</translation>
    </message>
    <message>
      <source>&amp;Device:</source>
      <comment>deviceLabel.text</comment>
      <translation>&amp;Gerät:</translation>
    </message>
    <message>
      <source>&amp;Tariff:</source>
      <comment>tariffLabel.text</comment>
      <translation>&amp;Tarif:</translation>
    </message>
    <message>
      <source>Start</source>
      <comment>startGroup.title</comment>
      <translation>Beginn</translation>
    </message>
    <message>
      <source>&amp;Earliest:</source>
      <comment>earliestLabel.text</comment>
      <translation>&amp;Frühestens:</translation>
    </message>
    <message>
      <source>Date and time, written the way your system shows them</source>
      <comment>id1028.toolTip</comment>
      <translation>Datum und Uhrzeit, so geschrieben, wie Ihr System sie anzeigt</translation>
    </message>
    <message>
      <source>&amp;Latest:</source>
      <comment>latestLabel.text</comment>
      <translation>&amp;Spätestens:</translation>
    </message>
    <message>
      <source>Date and time, written the way your system shows them</source>
      <comment>id1029.toolTip</comment>
      <translation>Datum und Uhrzeit, so geschrieben, wie Ihr System sie anzeigt</translation>
    </message>
    <message>
      <source>Duration</source>
      <comment>durationGroup.title</comment>
      <translation>Dauer</translation>
    </message>
    <message>
      <source>&amp;Shortest:</source>
      <comment>shortestLabel.text</comment>
      <translation>&amp;Kürzeste:</translation>
    </message>
    <message>
      <source>Hours, minutes and seconds, for example 00:01:00</source>
      <comment>id1030.toolTip</comment>
      <translation>Stunden, Minuten und Sekunden, zum Beispiel 00:01:00</translation>
    </message>
    <message>
      <source>L&amp;ongest:</source>
      <comment>longestLabel.text</comment>
      <translation>&amp;Längste:</translation>
    </message>
    <message>
      <source>Hours, minutes and seconds, for example 01:30:00</source>
      <comment>id1031.toolTip</comment>
      <translation>Stunden, Minuten und Sekunden, zum Beispiel 01:30:00</translation>
    </message>
    <message>
      <source>Units</source>
      <comment>unitsGroup.title</comment>
      <translation>Einheiten</translation>
    </message>
    <message>
      <source>&amp;Fewest:</source>
      <comment>fewestLabel.text</comment>
      <translation>&amp;Mindestens:</translation>
    </message>
    <message>
      <source>A whole number of units</source>
      <comment>id1034.toolTip</comment>
      <translation>Eine ganze Zahl von Einheiten</translation>
    </message>
    <message>
      <source>&amp;Most:</source>
      <comment>mostLabel.text</comment>
      <translation>Hö&amp;chstens:</translation>
    </message>
    <message>
      <source>A whole number of units</source>
      <comment>id1035.toolTip</comment>
      <translation>Eine ganze Zahl von Einheiten</translation>
    </message>
    <message>
      <source>Costs</source>
      <comment>costsGroup.title</comment>
      <translation>Kosten</translation>
    </message>
    <message>
      <source>Lo&amp;west:</source>
      <comment>lowestLabel.text</comment>
      <translation>&amp;Niedrigste:</translation>
    </message>
    <message>
      <source>An amount of money, written the way your system shows it</source>
      <comment>id1032.toolTip</comment>
      <translation>Ein Geldbetrag, so geschrieben, wie Ihr System ihn anzeigt</translation>
    </message>
    <message>
      <source>H&amp;ighest:</source>
      <comment>highestLabel.text</comment>
      <translation>&amp;Höchste:</translation>
    </message>
    <message>
      <source>An amount of money, written the way your system shows it</source>
      <comment>id1033.toolTip</comment>
      <translation>Ein Geldbetrag, so geschrieben, wie Ihr System ihn anzeigt</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <comment>id9.text</comment>
      <translation>H&amp;ilfe</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <comment>id2.text</comment>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>form 183</name>
    <message>
      <source>Start-up</source>
      <comment>id183.windowTitle</comment>
      <translation>Start</translation>
    </message>
    <message>
      <source>When Fernzahl starts</source>
      <comment>startGroup.title</comment>
      <translation>Beim Start von Fernzahl</translation>
    </message>
    <message>
      <source>Show the &amp;splash screen</source>
      <comment>id1104.text</comment>
      <translation>&amp;Startbild anzeigen</translation>
    </message>
    <message>
      <source>A small picture appears for a moment before the main window.</source>
      <comment>splashHint.text</comment>
      <translation>Vor dem Hauptfenster erscheint kurz ein kleines Bild.</translation>
    </message>
    <message>
      <source>When you log in</source>
      <comment>loginGroup.title</comment>
      <translation>Bei der Anmeldung</translation>
    </message>
    <message>
      <source>Start Fernzahl when I &amp;log in</source>
      <comment>id1105.text</comment>
      <translation>Fernzahl bei meiner &amp;Anmeldung starten</translation>
    </message>
    <message>
      <source>Fernzahl is added to the programs your desktop starts at login, so it is ready to watch every connection without being started by hand.</source>
      <comment>autostartHint.text</comment>
      <translation>Fernzahl wird zu den Programmen hinzugefügt, die Ihr Desktop bei der Anmeldung startet; so ist es bereit, jede Verbindung zu überwachen, ohne von Hand gestartet zu werden.</translation>
    </message>
  </context>
  <context>
    <name>form 184</name>
    <message>
      <source>Tariff options</source>
      <comment>id184.windowTitle</comment>
      <translation>Tarifoptionen</translation>
    </message>
    <message>
      <source>Charges</source>
      <comment>chargesGroup.title</comment>
      <translation>Gebühren</translation>
    </message>
    <message>
      <source>&amp;Minimum charge: start charge, initial period and minimum charge per zone</source>
      <comment>id1108.text</comment>
      <translation>&amp;Mindestgebühr: Anfangsgebühr, Anfangsdauer und Mindestgebühr je Tarifzeit</translation>
    </message>
    <message>
      <source>&amp;Discount: a number of units per period at a lower price</source>
      <comment>id1107.text</comment>
      <translation>&amp;Rabatt: eine Anzahl Einheiten je Zeitraum zu einem niedrigeren Preis</translation>
    </message>
    <message>
      <source>Days with zones of their own</source>
      <comment>daysGroup.title</comment>
      <translation>Tage mit eigenen Tarifzeiten</translation>
    </message>
    <message>
      <source>&amp;Friday has zones of its own</source>
      <comment>id1105.text</comment>
      <translation>&amp;Freitag hat eigene Tarifzeiten</translation>
    </message>
    <message>
      <source>&amp;Sunday has zones of its own, apart from Saturday</source>
      <comment>id1106.text</comment>
      <translation>&amp;Sonntag hat eigene Tarifzeiten, getrennt vom Samstag</translation>
    </message>
    <message>
      <source>&amp;Holidays are charged like Sundays</source>
      <comment>id1111.text</comment>
      <translation>F&amp;eiertage werden wie Sonntage berechnet</translation>
    </message>
    <message>
      <source>H&amp;elp</source>
      <comment>id9.text</comment>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <comment>id2.text</comment>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>form 185</name>
    <message>
      <source>Zone</source>
      <comment>id185.windowTitle</comment>
      <translation>Tarifzeit</translation>
    </message>
    <message>
      <source>Time of day</source>
      <comment>timeGroup.title</comment>
      <translation>Uhrzeit</translation>
    </message>
    <message>
      <source>&amp;From</source>
      <comment>fromLabel.text</comment>
      <translation>&amp;Von</translation>
    </message>
    <message>
      <source>&amp;to</source>
      <comment>toLabel.text</comment>
      <translation>&amp;bis</translation>
    </message>
    <message>
      <source>Units</source>
      <comment>unitGroup.title</comment>
      <translation>Einheiten</translation>
    </message>
    <message>
      <source>&amp;Seconds per unit:</source>
      <comment>secondsLabel.text</comment>
      <translation>&amp;Takt (Sekunden je Einheit):</translation>
    </message>
    <message>
      <source>0 to 65535 seconds</source>
      <comment>id1116.toolTip</comment>
      <translation>0 bis 65535 Sekunden</translation>
    </message>
    <message>
      <source>&amp;Price per unit:</source>
      <comment>priceLabel.text</comment>
      <translation>&amp;Preis je Einheit:</translation>
    </message>
    <message>
      <source>An amount such as 0.12</source>
      <comment>id1117.toolTip</comment>
      <translation>Ein Betrag wie 0,12</translation>
    </message>
    <message>
      <source>Minimum charge</source>
      <comment>id1121.title</comment>
      <translation>Mindestgebühr</translation>
    </message>
    <message>
      <source>Start &amp;charge:</source>
      <comment>startChargeLabel.text</comment>
      <translation>Anfangs&amp;gebühr:</translation>
    </message>
    <message>
      <source>An amount such as 0.12</source>
      <comment>id1108.toolTip</comment>
      <translation>Ein Betrag wie 0,12</translation>
    </message>
    <message>
      <source>&amp;Initial period (seconds):</source>
      <comment>initialPeriodLabel.text</comment>
      <translation>Anfangs&amp;zeit (Sekunden):</translation>
    </message>
    <message>
      <source>0 to 65535 seconds</source>
      <comment>id1110.toolTip</comment>
      <translation>0 bis 65535 Sekunden</translation>
    </message>
    <message>
      <source>&amp;Minimum charge:</source>
      <comment>minimumChargeLabel.text</comment>
      <translation>&amp;Mindestgebühr:</translation>
    </message>
    <message>
      <source>An amount such as 0.12</source>
      <comment>id1109.toolTip</comment>
      <translation>Ein Betrag wie 0,12</translation>
    </message>
    <message>
      <source>Discount</source>
      <comment>id1122.title</comment>
      <translation>Rabatt</translation>
    </message>
    <message>
      <source>&amp;No discount in this zone</source>
      <comment>id1119.text</comment>
      <translation>&amp;Kein Rabatt in dieser Tarifzeit</translation>
    </message>
    <message>
      <source>Seconds per &amp;unit:</source>
      <comment>discountSecondsLabel.text</comment>
      <translation>&amp;Rabatttakt (Sekunden je Einheit):</translation>
    </message>
    <message>
      <source>0 to 65535 seconds</source>
      <comment>id1111.toolTip</comment>
      <translation>0 bis 65535 Sekunden</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <comment>id9.text</comment>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <comment>id2.text</comment>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>form 186</name>
    <message>
      <source>Holiday dates</source>
      <comment>id186.windowTitle</comment>
      <translation>Feiertagskalender</translation>
    </message>
    <message>
      <source>On these days the holiday zones apply. Each entry is one calendar day: enter movable feasts and every year's holidays anew, or add a year's public holidays at one go.</source>
      <comment>explanation.text</comment>
      <translation>An diesen Tagen gelten die Tarifzeiten für Feiertage. Jeder Eintrag ist ein Kalendertag: Geben Sie bewegliche Feste und die Feiertage jedes Jahres neu ein, oder fügen Sie die gesetzlichen Feiertage eines Jahres auf einmal hinzu.</translation>
    </message>
    <message>
      <source>Holiday dates</source>
      <comment>id1110.accessibleName</comment>
      <translation>Feiertagskalender</translation>
    </message>
    <message>
      <source>&amp;Public holidays…</source>
      <comment>id1129.text</comment>
      <translation>&amp;Gesetzliche Feiertage…</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <comment>id1109.text</comment>
      <translation>&amp;Löschen</translation>
    </message>
    <message>
      <source>Da&amp;te:</source>
      <comment>dateLabel.text</comment>
      <translation>&amp;Datum:</translation>
    </message>
    <message>
      <source>As your system writes dates, or as 2026-12-24</source>
      <comment>id1126.toolTip</comment>
      <translation>So, wie Ihr System ein Datum schreibt, oder als 2026-12-24</translation>
    </message>
    <message>
      <source>&amp;Add</source>
      <comment>id1107.text</comment>
      <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
      <source>Type the date as your system writes dates, or as 2026-12-24. Dates are saved as soon as you add or delete them; Cancel does not undo that.</source>
      <comment>dateHint.text</comment>
      <translation>Geben Sie das Datum so ein, wie Ihr System es schreibt, oder als 2026-12-24. Jedes Datum wird gespeichert, sobald Sie sie hinzufügen oder löschen; „Abbrechen“ macht das nicht rückgängig.</translation>
    </message>
  </context>
  <context>
    <name>form 187</name>
    <message>
      <source>Discount</source>
      <comment>id187.windowTitle</comment>
      <translation>Rabatt</translation>
    </message>
    <message>
      <source>Discount</source>
      <comment>termsGroup.title</comment>
      <translation>Rabatt</translation>
    </message>
    <message>
      <source>&amp;Units per counting period at the discount price:</source>
      <comment>unitLimitLabel.text</comment>
      <translation>&amp;Einheiten je Zählzeitraum zum Rabattpreis:</translation>
    </message>
    <message>
      <source>Discount &amp;price per unit:</source>
      <comment>discountPriceLabel.text</comment>
      <translation>Rabatt&amp;preis je Einheit:</translation>
    </message>
    <message>
      <source>An amount such as 0.06</source>
      <comment>id1117.toolTip</comment>
      <translation>Ein Betrag wie 0,06</translation>
    </message>
    <message>
      <source>Discount counter of this period</source>
      <comment>counterGroup.title</comment>
      <translation>Rabattzähler dieses Zeitraums</translation>
    </message>
    <message>
      <source>Units already charged at the discount price in this period</source>
      <comment>id1127.toolTip</comment>
      <translation>In diesem Zeitraum bereits zum Rabattpreis berechnete Einheiten</translation>
    </message>
    <message>
      <source>0 units counted at the discount price</source>
      <comment>id1128.text</comment>
      <translation>0 Einheiten zum Rabattpreis berechnet</translation>
    </message>
    <message>
      <source>&amp;Reset counter</source>
      <comment>id1042.text</comment>
      <translation>Zähler &amp;zurücksetzen</translation>
    </message>
    <message>
      <source>Reset the discount counter &amp;with the monthly counter</source>
      <comment>id1050.text</comment>
      <translation>Rabattzähler &amp;mit dem Monatszähler zurücksetzen</translation>
    </message>
    <message>
      <source>In each counting period the first units outside the initial period are charged at the discount price, until the counter reaches the number above. The discount is saved when you press OK.</source>
      <comment>discountHint.text</comment>
      <translation>In jedem Zählzeitraum werden die ersten Einheiten außerhalb der Anfangsdauer zum Rabattpreis berechnet, bis der Zähler die obige Anzahl erreicht. Der Rabatt wird gespeichert, wenn Sie „OK“ drücken.</translation>
    </message>
  </context>
  <context>
    <name>form 188</name>
    <message>
      <source>Add public holidays</source>
      <comment>id188.windowTitle</comment>
      <translation>Gesetzliche Feiertage hinzufügen</translation>
    </message>
    <message>
      <source>Public holidays &amp;of:</source>
      <comment>countryLabel.text</comment>
      <translation>Gesetzliche Feiertage &amp;von:</translation>
    </message>
    <message>
      <source>Germany (nationwide)</source>
      <comment>id1131.item[0].text</comment>
      <translation>Deutschland (bundesweit)</translation>
    </message>
    <message>
      <source>Austria</source>
      <comment>id1131.item[1].text</comment>
      <translation>Österreich</translation>
    </message>
    <message>
      <source>Switzerland (nationwide)</source>
      <comment>id1131.item[2].text</comment>
      <translation>Schweiz (landesweit)</translation>
    </message>
    <message>
      <source>&amp;Year:</source>
      <comment>yearLabel.text</comment>
      <translation>&amp;Jahr:</translation>
    </message>
    <message>
      <source>Only the days kept in the whole country are added, and only those the tariff does not hold yet. Add regional holidays by their date.</source>
      <comment>hint.text</comment>
      <translation>Hinzugefügt werden nur die Tage, die im ganzen Land gelten, und nur die, die der Tarif noch nicht enthält. Regionale Feiertage fügen Sie mit ihrem Datum hinzu.</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <comment>id2.text</comment>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>form 197</name>
    <message>
      <source>Connection summary</source>
      <comment>id197.windowTitle</comment>
      <translation>Zusammenfassung der Verbindungen</translation>
    </message>
    <message>
      <source>Totals of the connections the filter shows:</source>
      <comment>id1156.text</comment>
      <translation>Summen der Verbindungen, die der Filter zeigt:</translation>
    </message>
    <message>
      <source>Totals of all connections of the log:</source>
      <comment>id1157.text</comment>
      <translation>Summen aller Verbindungen des Protokolls:</translation>
    </message>
    <message>
      <source>Totals</source>
      <comment>id1110.accessibleName</comment>
      <translation>Summen</translation>
    </message>
    <message>
      <source>Show a &amp;chart</source>
      <comment>id1162.text</comment>
      <translation>&amp;Diagramm zeigen</translation>
    </message>
    <message>
      <source>o&amp;f</source>
      <comment>chartOfLabel.text</comment>
      <translation>&amp;für</translation>
    </message>
    <message>
      <source>Show a chart of</source>
      <comment>chartOfLabel.accessibleName</comment>
      <translation>Diagramm zeigen für</translation>
    </message>
    <message>
      <source>costs</source>
      <comment>id1161.item[0].text</comment>
      <translation>Kosten</translation>
    </message>
    <message>
      <source>duration (hours)</source>
      <comment>id1161.item[1].text</comment>
      <translation>Dauer (Stunden)</translation>
    </message>
    <message>
      <source>units</source>
      <comment>id1161.item[2].text</comment>
      <translation>Einheiten</translation>
    </message>
    <message>
      <source>connections</source>
      <comment>id1161.item[3].text</comment>
      <translation>Verbindungen</translation>
    </message>
    <message>
      <source>&amp;Save chart…</source>
      <comment>id1163.text</comment>
      <translation>Diagramm &amp;speichern…</translation>
    </message>
    <message>
      <source>&amp;Print…</source>
      <comment>id1159.text</comment>
      <translation>Dr&amp;ucken…</translation>
    </message>
    <message>
      <source>Pre&amp;view…</source>
      <comment>id1164.text</comment>
      <translation>Druck&amp;vorschau…</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <comment>id9.text</comment>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <comment>id2.text</comment>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>form 198</name>
    <message>
      <source>Choose a tariff</source>
      <comment>id198.windowTitle</comment>
      <translation>Tarif wählen</translation>
    </message>
    <message>
      <source>&amp;Which tariff do you want to work on?</source>
      <comment>listLabel.text</comment>
      <translation>&amp;Welchen Tarif wollen Sie bearbeiten?</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <comment>id2.text</comment>
      <translation>Abbrechen</translation>
    </message>
  </context>
  <context>
    <name>form 200</name>
    <message>
      <source>Tariff files</source>
      <comment>id200.windowTitle</comment>
      <translation>Tarifdateien</translation>
    </message>
    <message>
      <source>&amp;Tariff files in the data folder:</source>
      <comment>listLabel.text</comment>
      <translation>&amp;Tarifdateien im Datenordner:</translation>
    </message>
    <message>
      <source>&amp;New…</source>
      <comment>id1107.text</comment>
      <translation>&amp;Neu…</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <comment>id1109.text</comment>
      <translation>&amp;Löschen</translation>
    </message>
    <message>
      <source>The default tariff cannot be deleted. Dial-up entries that used a deleted tariff are metered with the default tariff. New and deleted files take effect at once, even if you then press Cancel.</source>
      <comment>listHint.text</comment>
      <translation>Der Standardtarif kann nicht gelöscht werden. DFÜ-Einträge, die einen gelöschten Tarif verwendet haben, werden mit dem Standardtarif berechnet. Neue und gelöschte Dateien gelten sofort, auch wenn Sie danach „Abbrechen“ drücken.</translation>
    </message>
  </context>
  <context>
    <name>form 201</name>
    <message>
      <source>Budget</source>
      <comment>id201.windowTitle</comment>
      <translation>Budget</translation>
    </message>
    <message>
      <source>Monthly budget</source>
      <comment>budgetGroup.title</comment>
      <translation>Monatsbudget</translation>
    </message>
    <message>
      <source>&amp;Limit per month:</source>
      <comment>limitLabel.text</comment>
      <translation>&amp;Grenze je Monat:</translation>
    </message>
    <message>
      <source>0 turns the budget off</source>
      <comment>id1200.toolTip</comment>
      <translation>0 schaltet das Budget aus</translation>
    </message>
    <message>
      <source>(0 turns the budget off)</source>
      <comment>limitUnit.text</comment>
      <translation>(0 schaltet das Budget aus)</translation>
    </message>
    <message>
      <source>&amp;Warn at:</source>
      <comment>shareLabel.text</comment>
      <translation>&amp;Warnen bei:</translation>
    </message>
    <message>
      <source>1 to 100</source>
      <comment>id1201.toolTip</comment>
      <translation>1 bis 100</translation>
    </message>
    <message>
      <source>percent of the limit (1 to 100)</source>
      <comment>shareUnit.text</comment>
      <translation>Prozent der Grenze (1 bis 100)</translation>
    </message>
    <message>
      <source>The costs of the monthly counter are measured against the limit. Fernzahl warns you once a month in the notification area: when the costs pass the warning share, when they pass the limit, and when, after the first three days, the month is heading for more than the limit at its present rate. The month begins on the day chosen on the Counters page.</source>
      <comment>budgetHint.text</comment>
      <translation>Die Kosten des Monatszählers werden an der Grenze gemessen. Fernzahl warnt Sie einmal im Monat im Infobereich: wenn die Kosten die Warnschwelle überschreiten, wenn sie die Grenze überschreiten, und wenn der Monat nach den ersten drei Tagen bei gleichbleibendem Tempo auf mehr als die Grenze zusteuert. Der Monat beginnt an dem Tag, der auf der Seite „Zähler“ gewählt ist.</translation>
    </message>
  </context>
  <context>
    <name>form 202</name>
    <message>
      <source>Compare tariffs</source>
      <comment>id202.windowTitle</comment>
      <translation>Tarife vergleichen</translation>
    </message>
    <message>
      <source>Re-rating the connections shown under each tariff file…</source>
      <comment>id1170.text</comment>
      <translation>Die angezeigten Verbindungen werden unter jeder Tarifdatei nachberechnet…</translation>
    </message>
    <message>
      <source>Tariffs</source>
      <comment>id1173.accessibleName</comment>
      <translation>Tarife</translation>
    </message>
    <message>
      <source>Each connection under the tariff chosen above:</source>
      <comment>id1175.text</comment>
      <translation>Jede Verbindung unter dem oben gewählten Tarif:</translation>
    </message>
    <message>
      <source>Connections under the chosen tariff</source>
      <comment>id1176.accessibleName</comment>
      <translation>Verbindungen unter dem gewählten Tarif</translation>
    </message>
    <message>
      <source>&amp;Export…</source>
      <comment>id1177.text</comment>
      <translation>&amp;Exportieren…</translation>
    </message>
    <message>
      <source>&amp;Save chart…</source>
      <comment>id1178.text</comment>
      <translation>Diagramm &amp;speichern…</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <comment>id9.text</comment>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>Close</source>
      <comment>id2.text</comment>
      <translation>Schließen</translation>
    </message>
  </context>
  <context>
    <name>form 207</name>
    <message>
      <source>Assignment of dial-up entries</source>
      <comment>id207.windowTitle</comment>
      <translation>Zuordnung der DFÜ-Einträge</translation>
    </message>
    <message>
      <source>Each dial-up entry can be metered with a tariff of its own. Choose an entry in the list, choose a tariff file below, then click Assign. Entries without a tariff of their own use the default tariff.</source>
      <comment>explanation.text</comment>
      <translation>Jeder DFÜ-Eintrag kann mit einem eigenen Tarif berechnet werden. Wählen Sie einen Eintrag in der Liste, wählen Sie unten eine Tarifdatei, und klicken Sie dann auf „Zuordnen“. Einträge ohne eigenen Tarif verwenden den Standardtarif.</translation>
    </message>
    <message>
      <source>Dial-up &amp;entries:</source>
      <comment>listLabel.text</comment>
      <translation>DFÜ-&amp;Einträge:</translation>
    </message>
    <message>
      <source>&amp;Tariff file:</source>
      <comment>tariffLabel.text</comment>
      <translation>&amp;Tarifdatei:</translation>
    </message>
    <message>
      <source>&amp;Assign</source>
      <comment>id1143.text</comment>
      <translation>&amp;Zuordnen</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <comment>id9.text</comment>
      <translation>&amp;Hilfe</translation>
    </message>
    <message>
      <source>OK</source>
      <comment>id1.text</comment>
      <translation>OK</translation>
    </message>
    <message>
      <source>Cancel</source>
      <comment>id2.text</comment>
      <translation>Abbrechen</translation>
    </message>
  </context>
</TS>
