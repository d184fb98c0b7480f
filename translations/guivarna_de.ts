<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>ChordPictureExport</name>
    <message>
        <source>the result has no notes</source>
        <translation>das Ergebnis hat keine Töne</translation>
    </message>
</context>
<context>
    <name>Guivarna</name>
    <message>
        <source>Guivarna Files (*.GVA)</source>
        <translation>Guivarna-Dateien (*.GVA)</translation>
    </message>
    <message>
        <source>The command could not be completed: %1</source>
        <translation>Der Befehl konnte nicht ausgeführt werden: %1</translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation>ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;ChordBoard</source>
        <translation>&amp;Akkordbrett</translation>
    </message>
    <message>
        <source>&amp;ScaleBoard</source>
        <translation>&amp;Tonleiterbrett</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>An&amp;sicht</translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Instrument...</source>
        <translation>&amp;Instrument...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker&amp;einrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Chord wizard</source>
        <translation>Akkord-&amp;Assistent</translation>
    </message>
    <message>
        <source>Copy ChordBoard</source>
        <translation>Akkordbrett kopieren</translation>
    </message>
    <message>
        <source>Save ChordBoard</source>
        <translation>Akkordbrett speichern</translation>
    </message>
    <message>
        <source>Save list to textfile</source>
        <translation>Liste als Textdatei speichern</translation>
    </message>
    <message>
        <source>Save as HTML</source>
        <translation>Als HTML speichern</translation>
    </message>
    <message>
        <source>Save all chords as images</source>
        <translation>Alle Akkorde als Bilder speichern</translation>
    </message>
    <message>
        <source>Save all chords as html and images</source>
        <translation>Alle Akkorde als HTML und Bilder speichern</translation>
    </message>
    <message>
        <source>Set Dot Color</source>
        <translation>Punktfarbe festlegen</translation>
    </message>
    <message>
        <source>Name marked chord</source>
        <translation>Markierten Akkord benennen</translation>
    </message>
    <message>
        <source>Play ChordBoard</source>
        <translation>Akkordbrett abspielen</translation>
    </message>
    <message>
        <source>Play ScaleBoard</source>
        <translation>Tonleiterbrett abspielen</translation>
    </message>
    <message>
        <source>&amp;Scale wizard</source>
        <translation>Tonleiter-&amp;Assistent</translation>
    </message>
    <message>
        <source>show current &amp;arpeggio</source>
        <translation>&amp;Arpeggio anzeigen</translation>
    </message>
    <message>
        <source>Select all occurences of a tone on click</source>
        <translation>Beim Klicken alle Vorkommen eines Tons wählen</translation>
    </message>
    <message>
        <source>Interval stacker</source>
        <translation>Intervallstapler</translation>
    </message>
    <message>
        <source>Copy ScaleBoard</source>
        <translation>Tonleiterbrett kopieren</translation>
    </message>
    <message>
        <source>Save ScaleBoard</source>
        <translation>Tonleiterbrett speichern</translation>
    </message>
    <message>
        <source>Save Scale-list</source>
        <translation>Tonleiterliste speichern</translation>
    </message>
    <message>
        <source>Clear board</source>
        <translation>Brett leeren</translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Fit &amp;width</source>
        <translation>An &amp;Breite anpassen</translation>
    </message>
    <message>
        <source>Fit &amp;page</source>
        <translation>An &amp;Seite anpassen</translation>
    </message>
    <message>
        <source>&amp;Calculations window</source>
        <translation>&amp;Berechnungsfenster</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>&amp;About Guivarna...</source>
        <translation>&amp;Über Guivarna...</translation>
    </message>
    <message>
        <source>Chordnotes: </source>
        <translation>Akkordtöne: </translation>
    </message>
    <message>
        <source>Chord information:</source>
        <translation>Akkordinformation:</translation>
    </message>
    <message>
        <source>Scale information:</source>
        <translation>Tonleiterinformation:</translation>
    </message>
    <message>
        <source>Scalenotes: </source>
        <translation>Tonleitertöne: </translation>
    </message>
    <message>
        <source>Melody note: </source>
        <translation>Melodieton: </translation>
    </message>
    <message>
        <source>Traditional chordnames:</source>
        <translation>Traditionelle Akkordnamen:</translation>
    </message>
    <message>
        <source>Logical chordnames:</source>
        <translation>Logische Akkordnamen:</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Berechnungen</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation>&amp;Fertigstellen</translation>
    </message>
    <message>
        <source>Calculate right a&amp;way</source>
        <translation>Sofort &amp;berechnen</translation>
    </message>
    <message>
        <source>Guivarna Chordwizard</source>
        <translation>Guivarna Akkord-Assistent</translation>
    </message>
    <message>
        <source>Guivarna Scalewizard</source>
        <translation>Guivarna Tonleiter-Assistent</translation>
    </message>
    <message>
        <source>Select Notes</source>
        <translation>Töne wählen</translation>
    </message>
    <message>
        <source>Selected notes</source>
        <translation>Gewählte Töne</translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation>&lt;&lt; Entfernen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Make Root</source>
        <translation>Zum Grundton machen</translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation>Grundton: %1</translation>
    </message>
    <message>
        <source>Not set.</source>
        <translation>Nicht gesetzt.</translation>
    </message>
    <message>
        <source>Maximum number of notes to select: %1</source>
        <translation>Höchstzahl wählbarer Töne: %1</translation>
    </message>
    <message>
        <source>All strings are occupied; it is not possible to select more chordnotes than there are strings.</source>
        <translation>Alle Saiten sind belegt; es können nicht mehr Akkordtöne gewählt werden, als es Saiten gibt.</translation>
    </message>
    <message>
        <source>No selection was made.</source>
        <translation>Es wurde nichts ausgewählt.</translation>
    </message>
    <message>
        <source>String limitations</source>
        <translation>Saitenbeschränkungen</translation>
    </message>
    <message>
        <source>Find chords on the following strings:</source>
        <translation>Akkorde auf diesen Saiten suchen:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Saiten</translation>
    </message>
    <message>
        <source>Remove &gt;&gt;</source>
        <translation>Entfernen &gt;&gt;</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Fret limitations</source>
        <translation>Bundbeschränkungen</translation>
    </message>
    <message>
        <source>Chords may span</source>
        <translation>Akkorde dürfen</translation>
    </message>
    <message>
        <source>frets</source>
        <translation>Bünde umspannen</translation>
    </message>
    <message>
        <source>and use fret</source>
        <translation>und Bund</translation>
    </message>
    <message>
        <source>upto fret</source>
        <translation>bis Bund</translation>
    </message>
    <message>
        <source>Open strings by position</source>
        <translation>Leersaiten je nach Lage</translation>
    </message>
    <message>
        <source>May always have open strings</source>
        <translation>Leersaiten immer erlaubt</translation>
    </message>
    <message>
        <source>Must always have open strings</source>
        <translation>Leersaiten immer erforderlich</translation>
    </message>
    <message>
        <source>Lowest fret</source>
        <translation>Tiefster Bund</translation>
    </message>
    <message>
        <source>The lowest fret cannot be higher than or equal to the highest fret.</source>
        <translation>Der tiefste Bund kann nicht höher als der höchste Bund oder gleich ihm sein.</translation>
    </message>
    <message>
        <source>Highest fret</source>
        <translation>Höchster Bund</translation>
    </message>
    <message>
        <source>The highest fret cannot be lower than or equal to the lowest fret.</source>
        <translation>Der höchste Bund kann nicht tiefer als der tiefste Bund oder gleich ihm sein.</translation>
    </message>
    <message>
        <source>Fret range</source>
        <translation>Bundbereich</translation>
    </message>
    <message>
        <source>It is impossible to search a fret-range larger than the specified fretdomain. Please modify your filter.</source>
        <translation>Ein Bundbereich, der größer als der angegebene Bundumfang ist, kann nicht durchsucht werden. Bitte ändern Sie Ihren Filter.</translation>
    </message>
    <message>
        <source>No string can be removed: the chord has as many notes as there are strings left, and every note needs a string of its own.</source>
        <translation>Es kann keine Saite entfernt werden: Der Akkord hat so viele Töne, wie Saiten übrig sind, und jeder Ton braucht eine eigene Saite.</translation>
    </message>
    <message>
        <source>Notepermutations</source>
        <translation>Tonpermutationen</translation>
    </message>
    <message>
        <source>Use all permutations</source>
        <translation>Alle Permutationen verwenden</translation>
    </message>
    <message>
        <source>Use 1 specific permutation</source>
        <translation>1 bestimmte Permutation verwenden</translation>
    </message>
    <message>
        <source>Use 1 specific melody note</source>
        <translation>1 bestimmten Melodieton verwenden</translation>
    </message>
    <message>
        <source>Melody note:</source>
        <translation>Melodieton:</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Permutationen</translation>
    </message>
    <message>
        <source>Permutate</source>
        <translation>Permutieren</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Current note-selection:</source>
        <translation>Aktuelle Tonauswahl:</translation>
    </message>
    <message>
        <source>Current note-permutation:</source>
        <translation>Aktuelle Tonpermutation:</translation>
    </message>
    <message>
        <source>All permutations will be used.</source>
        <translation>Alle Permutationen werden verwendet.</translation>
    </message>
    <message>
        <source>There is nothing to permutate, please select another option.</source>
        <translation>Es gibt nichts zu permutieren, bitte wählen Sie eine andere Option.</translation>
    </message>
    <message>
        <source>You have chosen to use a specific permutation. You need to press the &apos;permutate&apos; button, select a permutation and press the &apos;select&apos; button before finishing.</source>
        <translation>Sie haben eine bestimmte Permutation gewählt. Drücken Sie vor dem Fertigstellen die Schaltfläche &apos;Permutieren&apos;, wählen Sie eine Permutation und drücken Sie die Schaltfläche &apos;Auswählen&apos;.</translation>
    </message>
    <message>
        <source>Select Notes the scales MUST have</source>
        <translation>Töne wählen, die die Tonleitern haben MÜSSEN</translation>
    </message>
    <message>
        <source>Notes of current chord:</source>
        <translation>Töne des aktuellen Akkords:</translation>
    </message>
    <message>
        <source>Scales must have current chord</source>
        <translation>Tonleitern müssen den aktuellen Akkord enthalten</translation>
    </message>
    <message>
        <source>Scales must have</source>
        <translation>Tonleitern müssen</translation>
    </message>
    <message>
        <source>tones</source>
        <translation>Töne haben</translation>
    </message>
    <message>
        <source>Scales must have no more than</source>
        <translation>Tonleitern dürfen höchstens</translation>
    </message>
    <message>
        <source>semitones in a row</source>
        <translation>Halbtöne nacheinander haben</translation>
    </message>
    <message>
        <source>no</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Chord formulas</source>
        <translation>Akkordformeln</translation>
    </message>
    <message>
        <source>Scale formulas</source>
        <translation>Tonleiterformeln</translation>
    </message>
    <message>
        <source>StringSet</source>
        <translation>Saitensatz</translation>
    </message>
    <message>
        <source>NotePermutation</source>
        <translation>Tonpermutation</translation>
    </message>
    <message>
        <source>FretBoardPosition</source>
        <translation>Griffbrettposition</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Tonleitern</translation>
    </message>
    <message>
        <source>Current filter filtered out all options...</source>
        <translation>Der aktuelle Filter hat alle Möglichkeiten ausgeschlossen...</translation>
    </message>
    <message>
        <source>go</source>
        <translation>los</translation>
    </message>
    <message>
        <source>pauze</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>resume</source>
        <translation>weiter</translation>
    </message>
    <message>
        <source>stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Interval stacker - for Quill</source>
        <translation>Intervallstapler - für Quill</translation>
    </message>
    <message>
        <source>Strings used for this scale</source>
        <translation>Saiten für diese Tonleiter</translation>
    </message>
    <message>
        <source>Select intervals in stacking order</source>
        <translation>Intervalle in Stapelreihenfolge wählen</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Rootnote settings</source>
        <translation>Grundton-Einstellungen</translation>
    </message>
    <message>
        <source>Rootnote is on the</source>
        <translation>Der Grundton liegt auf der</translation>
    </message>
    <message>
        <source>string</source>
        <translation>Saite</translation>
    </message>
    <message>
        <source>Select Rootnote:</source>
        <translation>Grundton wählen:</translation>
    </message>
    <message>
        <source> (fret %1)</source>
        <translation> (Bund %1)</translation>
    </message>
    <message>
        <source>Interval Selector</source>
        <translation>Intervallauswahl</translation>
    </message>
    <message>
        <source>Don&apos;t be ridiculous; please select a reasonable number of intervals; less than 10 will do...</source>
        <translation>Bitte bleiben Sie vernünftig und wählen Sie eine sinnvolle Zahl von Intervallen; weniger als 10 genügen...</translation>
    </message>
    <message>
        <source>Since it isn&apos;t possible to show any notes without a string, I simply can&apos;t let you remove &apos;em all!</source>
        <translation>Ohne Saite lassen sich keine Töne zeigen, deshalb können nicht alle Saiten entfernt werden!</translation>
    </message>
    <message>
        <source>Please make a selection before continuing!!</source>
        <translation>Bitte treffen Sie zuerst eine Auswahl!!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>New scale collection</source>
        <translation>Neue Tonleitersammlung</translation>
    </message>
    <message>
        <source>New chords - fingerings collection</source>
        <translation>Neue Akkord- und Griffsammlung</translation>
    </message>
    <message>
        <source>WILL BE SET AUTOMATICALLY</source>
        <translation>WIRD AUTOMATISCH GESETZT</translation>
    </message>
    <message>
        <source>text files(*.txt)</source>
        <translation>Textdateien(*.txt)</translation>
    </message>
    <message>
        <source>rich text files(*.rtf)</source>
        <translation>RTF-Dateien(*.rtf)</translation>
    </message>
    <message>
        <source>html files(*.html)</source>
        <translation>HTML-Dateien(*.html)</translation>
    </message>
    <message>
        <source>JPEG image file(*.jpg)</source>
        <translation>JPEG-Bilddatei(*.jpg)</translation>
    </message>
    <message>
        <source>Save list</source>
        <translation>Liste speichern</translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation>Bilder speichern</translation>
    </message>
    <message>
        <source>Saving the chord pictures...</source>
        <translation>Die Akkordbilder werden gespeichert...</translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be written. The first: %3</source>
        <translation>%1 von %2 Bildern konnten nicht geschrieben werden. Das erste: %3</translation>
    </message>
    <message>
        <source>There is nothing to name: mark the notes of a chord on the ChordBoard first.</source>
        <translation>Es gibt nichts zu benennen: Markieren Sie zuerst die Töne eines Akkords auf dem Akkordbrett.</translation>
    </message>
    <message>
        <source>There is nothing to play: the ChordBoard has no marked notes.</source>
        <translation>Es gibt nichts abzuspielen: Das Akkordbrett hat keine markierten Töne.</translation>
    </message>
    <message>
        <source>There is nothing to play: the ScaleBoard has no marked notes.</source>
        <translation>Es gibt nichts abzuspielen: Das Tonleiterbrett hat keine markierten Töne.</translation>
    </message>
    <message>
        <source>No audio output device was found, so Guivarna cannot play the marked notes.</source>
        <translation>Es wurde kein Audioausgabegerät gefunden, deshalb kann Guivarna die markierten Töne nicht abspielen.</translation>
    </message>
    <message>
        <source>The audio output could not play the marked notes.</source>
        <translation>Die Audioausgabe konnte die markierten Töne nicht abspielen.</translation>
    </message>
    <message>
        <source>About Guivarna</source>
        <translation>Über Guivarna</translation>
    </message>
    <message>
        <source>Guivarna Version 1,0,3</source>
        <translation>Guivarna Version 1,0,3</translation>
    </message>
    <message>
        <source>A study tool for guitarists: mark notes, name chords, find fingerings and scales.</source>
        <translation>Ein Lernprogramm für Gitarristen: Töne markieren, Akkorde benennen, Griffe und Tonleitern finden.</translation>
    </message>
    <message>
        <source>Copyright © KOVA. All rights reserved.</source>
        <translation>Copyright © KOVA. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Visit the Guivarna web site</source>
        <translation>Die Guivarna-Website besuchen</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>&amp;Presets:</source>
        <translation>&amp;Vorlagen:</translation>
    </message>
    <message>
        <source>&amp;Strings (string 1 at the top):</source>
        <translation>&amp;Saiten (Saite 1 oben):</translation>
    </message>
    <message>
        <source>Open note</source>
        <translation>Leersaitenton</translation>
    </message>
    <message>
        <source>String %1</source>
        <translation>Saite %1</translation>
    </message>
    <message>
        <source>&amp;Add string</source>
        <translation>Saite &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove string</source>
        <translation>Saite &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Fret positions (open string included):</source>
        <translation>&amp;Bundpositionen (mit Leersaite):</translation>
    </message>
    <message>
        <source>&amp;Left-handed</source>
        <translation>&amp;Linkshändig</translation>
    </message>
    <message>
        <source>Open strings: %1</source>
        <translation>Leersaiten: %1</translation>
    </message>
    <message>
        <source>String %1: &quot;%2&quot; is not a note. Write a name and an octave from C-1 to G9, such as E4, F#2 or Bb3.</source>
        <translation>Saite %1: „%2“ ist kein Ton. Schreiben Sie einen Namen und eine Oktave von C-1 bis G9, etwa E4, F#2 oder Bb3.</translation>
    </message>
    <message>
        <source>A Guivarna document (.gva) to open.</source>
        <translation>Ein zu öffnendes Guivarna-Dokument (.gva).</translation>
    </message>
    <message>
        <source>Only one document can be opened; name at most one file.</source>
        <translation>Es kann nur ein Dokument geöffnet werden; geben Sie höchstens eine Datei an.</translation>
    </message>
    <message>
        <source>Guivarna Help</source>
        <translation>Guivarna-Hilfe</translation>
    </message>
    <message>
        <source>The user manual could not be found. It is installed with Guivarna as %1.</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Es wird mit Guivarna als %1 installiert.</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The calculation could not be started: %1</source>
        <translation>Die Berechnung konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Fingers</source>
        <translation>Finger</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>unplayable</source>
        <translation>unspielbar</translation>
    </message>
    <message>
        <source>  barre </source>
        <translation>  Barré </translation>
    </message>
    <message>
        <source>Sorting by %1... %2%</source>
        <translation>Sortiere nach %1... %2%</translation>
    </message>
    <message>
        <source>Only shapes four fingers can play</source>
        <translation>Nur Griffe, die vier Finger greifen können</translation>
    </message>
    <message>
        <source>Show fingers</source>
        <translation>Finger zeigen</translation>
    </message>
    <message>
        <source>Chord by name…</source>
        <translation>Akkord nach Namen…</translation>
    </message>
    <message>
        <source>Scale by name…</source>
        <translation>Tonleiter nach Namen…</translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation>Tonleiter: </translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Chord by name</source>
        <translation>Akkord nach Namen</translation>
    </message>
    <message>
        <source>Chord &amp;symbol:</source>
        <translation>Akkord&amp;symbol:</translation>
    </message>
    <message>
        <source>e.g. Cmaj7, G7b9, F#m7, C/E</source>
        <translation>z. B. Cmaj7, G7b9, F#m7, C/E</translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation>Noten: %1</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <source>This chord has %1 notes; the ChordBoard has only %2 strings.</source>
        <translation>Dieser Akkord hat %1 Noten; das ChordBoard hat nur %2 Saiten.</translation>
    </message>
    <message>
        <source>Scale by name</source>
        <translation>Tonleiter nach Namen</translation>
    </message>
    <message>
        <source>&amp;Root:</source>
        <translation>&amp;Grundton:</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>type part of a name</source>
        <translation>Teil eines Namens eingeben</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>Ton&amp;leiter:</translation>
    </message>
    <message>
        <source>No scale of the catalogue has that name.</source>
        <translation>Keine Tonleiter des Katalogs hat diesen Namen.</translation>
    </message>
    <message>
        <source>The link could not be opened: %1</source>
        <translation>Der Link konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vor</translation>
    </message>
    <message>
        <source>Add to chord sheet</source>
        <translation>Zum Akkordblatt hinzufügen</translation>
    </message>
    <message>
        <source>Chord sheet</source>
        <translation>Akkordblatt</translation>
    </message>
    <message>
        <source>Chord &amp;sheet</source>
        <translation>Akkord&amp;blatt</translation>
    </message>
    <message>
        <source>Add ChordBoard to chord sheet</source>
        <translation>Akkordbrett zum Akkordblatt hinzufügen</translation>
    </message>
    <message>
        <source>Export SVG…</source>
        <translation>SVG exportieren…</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>PDF exportieren…</translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation>PNG exportieren…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Save sheet…</source>
        <translation>Blatt speichern…</translation>
    </message>
    <message>
        <source>Open sheet…</source>
        <translation>Blatt öffnen…</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Clear sheet</source>
        <translation>Blatt leeren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>a title for the sheet</source>
        <translation>ein Titel für das Blatt</translation>
    </message>
    <message>
        <source>&amp;Diagrams per row:</source>
        <translation>&amp;Diagramme pro Zeile:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Show &amp;roots</source>
        <translation>&amp;Grundtöne hervorheben</translation>
    </message>
    <message>
        <source>The sheet is empty. Select chords under &quot;Chord formulas&quot; and choose &quot;Add to chord sheet&quot;, or mark a shape on the ChordBoard and choose &quot;Add ChordBoard to chord sheet&quot;.</source>
        <translation>Das Blatt ist leer. Wählen Sie Akkorde unter „Akkordformeln“ und dann „Zum Akkordblatt hinzufügen“, oder markieren Sie einen Griff auf dem Akkordbrett und wählen Sie „Akkordbrett zum Akkordblatt hinzufügen“.</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG-Bilder (*.svg)</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>ChordPro files (*.cho *.chordpro *.chopro *.crd *.pro)</source>
        <translation>ChordPro-Dateien (*.cho *.chordpro *.chopro *.crd *.pro)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>chord-sheet</source>
        <translation>akkordblatt</translation>
    </message>
    <message>
        <source>Resolution in dots per inch:</source>
        <translation>Auflösung in Punkten pro Zoll:</translation>
    </message>
    <message>
        <source>Some lines of &quot;%1&quot; could not be read; the rest was loaded.

%2</source>
        <translation>Einige Zeilen von „%1“ konnten nicht gelesen werden; der Rest wurde geladen.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no chord definitions; the sheet is unchanged.</source>
        <translation>„%1“ enthält keine Akkorddefinitionen; das Blatt bleibt unverändert.</translation>
    </message>
    <message>
        <source>A chord sheet holds at most %1 diagrams; %2 of them were not added.</source>
        <translation>Ein Akkordblatt fasst höchstens %1 Diagramme; %2 davon wurden nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The first %1 of the %2 selected chords were added to the chord sheet.</source>
        <translation>Die ersten %1 der %2 gewählten Akkorde wurden zum Akkordblatt hinzugefügt.</translation>
    </message>
    <message>
        <source>Nothing is marked on the ChordBoard.</source>
        <translation>Auf dem Akkordbrett ist nichts markiert.</translation>
    </message>
    <message>
        <source>A chord diagram shows one fret per string; string %1 of the ChordBoard has more than one mark.</source>
        <translation>Ein Akkorddiagramm zeigt einen Bund pro Saite; Saite %1 des Akkordbretts hat mehr als eine Markierung.</translation>
    </message>
    <message>
        <source>The chord sheet could not be printed.</source>
        <translation>Das Akkordblatt konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>The chord sheet could not be kept for the next start: %1</source>
        <translation>Das Akkordblatt konnte nicht für den nächsten Start gesichert werden: %1</translation>
    </message>
    <message>
        <source>Out of memory: the search stopped after %1 results</source>
        <translation>Kein Speicher mehr: Die Suche endete nach %1 Ergebnissen</translation>
    </message>
    <message>
        <source>An error stopped the search after %1 results</source>
        <translation>Ein Fehler beendete die Suche nach %1 Ergebnissen</translation>
    </message>
    <message>
        <source>Out of memory: the sort stopped; the list keeps its order</source>
        <translation>Kein Speicher mehr: Das Sortieren wurde abgebrochen; die Liste behält ihre Reihenfolge</translation>
    </message>
    <message>
        <source>An error stopped the sort; the list keeps its order</source>
        <translation>Ein Fehler brach das Sortieren ab; die Liste behält ihre Reihenfolge</translation>
    </message>
    <message>
        <source>The chord sheet of the last run could not be read in full. It was set aside, unchanged, as &quot;%1&quot;; the sheet holds what could be read.

%2</source>
        <translation>Das Akkordblatt des letzten Laufs konnte nicht vollständig gelesen werden. Es wurde unverändert als „%1“ beiseitegelegt; das Blatt enthält, was gelesen werden konnte.

%2</translation>
    </message>
    <message>
        <source>The chord sheet of the last run, &quot;%1&quot;, could not be read in full, nor set aside. It is left as it is, and the sheet is not kept for the next start.

%2</source>
        <translation>Das Akkordblatt des letzten Laufs, „%1“, konnte weder vollständig gelesen noch beiseitegelegt werden. Es bleibt, wie es ist, und das Blatt wird für den nächsten Start nicht aufbewahrt.

%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 diagrams; a chord sheet holds at most %3, so the last %4 were left out.</source>
        <translation>„%1“ enthält %2 Diagramme; ein Akkordblatt fasst höchstens %3, daher wurden die letzten %4 weggelassen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was opened with %2 diagrams, and the sheet holds only the first %3. Saving over it loses the other %4. Save anyway?</source>
        <translation>„%1“ wurde mit %2 Diagrammen geöffnet, und das Blatt enthält nur die ersten %3. Wer darüber speichert, verliert die übrigen %4. Trotzdem speichern?</translation>
    </message>
    <message>
        <source>Positions</source>
        <translation>Lagen</translation>
    </message>
    <message>
        <source>S&amp;ystem:</source>
        <translation>S&amp;ystem:</translation>
    </message>
    <message>
        <source>Position playing</source>
        <translation>Lagenspiel</translation>
    </message>
    <message>
        <source>Three notes per string</source>
        <translation>Drei Töne pro Saite</translation>
    </message>
    <message>
        <source>Whole scale</source>
        <translation>Ganze Tonleiter</translation>
    </message>
    <message>
        <source>Position %1: frets %2–%3</source>
        <translation>Lage %1: Bünde %2–%3</translation>
    </message>
    <message>
        <source>Three notes per string needs a scale of 6 notes or more.</source>
        <translation>Drei Töne pro Saite brauchen eine Tonleiter mit mindestens 6 Tönen.</translation>
    </message>
    <message>
        <source>%1, position %2</source>
        <translation>%1, Lage %2</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Nächste Lage</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Vorige Lage</translation>
    </message>
    <message>
        <source>Play position</source>
        <translation>Lage spielen</translation>
    </message>
    <message>
        <source>Add position to chord sheet</source>
        <translation>Lage zum Akkordblatt hinzufügen</translation>
    </message>
    <message>
        <source>Add all positions to chord sheet</source>
        <translation>Alle Lagen zum Akkordblatt hinzufügen</translation>
    </message>
    <message>
        <source>Scales &amp;across</source>
        <translation>Tonleitern &amp;quer</translation>
    </message>
    <message>
        <source>Search threads</source>
        <translation>Such-Threads</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
    <message>
        <source>Name chords as you mark</source>
        <translation>Akkorde beim Markieren benennen</translation>
    </message>
    <message>
        <source>ScaleBoard</source>
        <translation>ScaleBoard</translation>
    </message>
    <message>
        <source>ChordBoard</source>
        <translation>ChordBoard</translation>
    </message>
    <message>
        <source>Boards</source>
        <translation>Griffbretter</translation>
    </message>
    <message>
        <source>Tab moves between the boards; the arrow keys, Home and End move the cursor; Space marks</source>
        <translation>Tab wechselt zwischen den Griffbrettern; die Pfeiltasten, Pos1 und Ende bewegen den Cursor; Leertaste markiert</translation>
    </message>
    <message>
        <source>String %1, fret %2, %3, %4</source>
        <translation>Saite %1, Bund %2, %3, %4</translation>
    </message>
    <message>
        <source>marked</source>
        <translation>markiert</translation>
    </message>
    <message>
        <source>not marked</source>
        <translation>nicht markiert</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Strings and frets</source>
        <translation>Saiten und Bünde</translation>
    </message>
    <message>
        <source>Note order</source>
        <translation>Tonfolge</translation>
    </message>
    <message>
        <source>Tones</source>
        <translation>Tonanzahl</translation>
    </message>
    <message>
        <source>Open in chord &amp;wizard</source>
        <translation>Im Akkord-&amp;Assistenten öffnen</translation>
    </message>
    <message>
        <source>Fret %1</source>
        <translation>Bund %1</translation>
    </message>
    <message>
        <source>Voicings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voicings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 voicings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no chord to voice: load one by name or with the chord wizard, or mark its notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As chord books do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewest &amp;strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Muted strings inside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Frets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;pan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave &amp;out as books do</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintOnePage</name>
    <message>
        <source>Could not start printing on &quot;%1&quot;.</source>
        <translation>Das Drucken auf „%1“ konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>The printer did not accept the page.</source>
        <translation>Der Drucker hat die Seite nicht angenommen.</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>not all of the data could be written</source>
        <translation>nicht alle Daten konnten geschrieben werden</translation>
    </message>
</context>
<context>
    <name>SaveJpeg</name>
    <message>
        <source>Could not save the picture &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation>das Bild ist leer</translation>
    </message>
</context>
<context>
    <name>SheetExport</name>
    <message>
        <source>the resolution must lie between %1 and %2 dpi</source>
        <translation>die Auflösung muss zwischen %1 und %2 dpi liegen</translation>
    </message>
    <message>
        <source>the picture would be too large at %1 dpi; choose a lower resolution</source>
        <translation>das Bild wäre bei %1 dpi zu groß; wählen Sie eine geringere Auflösung</translation>
    </message>
    <message>
        <source>not enough memory for a picture this large</source>
        <translation>nicht genug Speicher für ein so großes Bild</translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation>die Datei ist größer als %1 MB</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
</context>
<context>
    <name>SongPage</name>
    <message>
        <source>Chorus</source>
        <translation>Refrain</translation>
    </message>
    <message>
        <source>Verse</source>
        <translation>Strophe</translation>
    </message>
    <message>
        <source>Bridge</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tonart: %1</translation>
    </message>
    <message>
        <source>Capo: %1</source>
        <translation>Kapodaster: %1</translation>
    </message>
    <message>
        <source>Tempo: %1</source>
        <translation>Tempo: %1</translation>
    </message>
</context>
</TS>
