<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en">
<context>
    <name>ChordPictureExport</name>
    <message>
        <source>the result has no notes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Guivarna</name>
    <message>
        <source>Guivarna Files (*.GVA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command could not be completed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unexpected error occurred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ChordBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ScaleBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instrument...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chord wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy ChordBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save ChordBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save list to textfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all chords as images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save all chords as html and images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Dot Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name marked chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play ChordBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play ScaleBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scale wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show current &amp;arpeggio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all occurences of a tone on click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval stacker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy ScaleBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save ScaleBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Scale-list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit &amp;width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit &amp;page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculations window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Guivarna...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chordnotes: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scalenotes: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melody note: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional chordnames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logical chordnames:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guivarna Chordwizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guivarna Scalewizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum number of notes to select: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All strings are occupied; it is not possible to select more chordnotes than there are strings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No selection was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String limitations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find chords on the following strings:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fret limitations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords may span</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and use fret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upto fret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open strings by position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May always have open strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must always have open strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowest fret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lowest fret cannot be higher than or equal to the highest fret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest fret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The highest fret cannot be lower than or equal to the lowest fret.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fret range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is impossible to search a fret-range larger than the specified fretdomain. Please modify your filter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No string can be removed: the chord has as many notes as there are strings left, and every note needs a string of its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepermutations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use all permutations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use 1 specific permutation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use 1 specific melody note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Melody note:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permutate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current note-selection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current note-permutation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All permutations will be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to permutate, please select another option.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have chosen to use a specific permutation. You need to press the &apos;permutate&apos; button, select a permutation and press the &apos;select&apos; button before finishing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Notes the scales MUST have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes of current chord:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales must have current chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales must have</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales must have no more than</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>semitones in a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale formulas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StringSet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NotePermutation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FretBoardPosition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current filter filtered out all options...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pauze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval stacker - for Quill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strings used for this scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select intervals in stacking order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rootnote settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rootnote is on the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Rootnote:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (fret %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval Selector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t be ridiculous; please select a reasonable number of intervals; less than 10 will do...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since it isn&apos;t possible to show any notes without a string, I simply can&apos;t let you remove &apos;em all!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please make a selection before continuing!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New scale collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New chords - fingerings collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WILL BE SET AUTOMATICALLY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text files(*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rich text files(*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>html files(*.html)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG image file(*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving the chord pictures...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 pictures could not be written. The first: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to name: mark the notes of a chord on the ChordBoard first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to play: the ChordBoard has no marked notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is nothing to play: the ScaleBoard has no marked notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio output device was found, so Guivarna cannot play the marked notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio output could not play the marked notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Guivarna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guivarna Version 1,0,3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A study tool for guitarists: mark notes, name chords, find fingerings and scales.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © KOVA. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Guivarna web site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Presets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Strings (string 1 at the top):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fret positions (open string included):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left-handed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open strings: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String %1: &quot;%2&quot; is not a note. Write a name and an octave from C-1 to G9, such as E4, F#2 or Bb3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Guivarna document (.gva) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one document can be opened; name at most one file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guivarna Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user manual could not be found. It is installed with Guivarna as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unplayable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  barre </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorting by %1... %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only shapes four fingers can play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show fingers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord by name…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale by name…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord &amp;symbol:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>e.g. Cmaj7, G7b9, F#m7, C/E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This chord has %1 notes; the ChordBoard has only %2 strings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale by name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Root:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type part of a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No scale of the catalogue has that name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link could not be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to chord sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord &amp;sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add ChordBoard to chord sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export SVG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save sheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open sheet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a title for the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Diagrams per row:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;roots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheet is empty. Select chords under &quot;Chord formulas&quot; and choose &quot;Add to chord sheet&quot;, or mark a shape on the ChordBoard and choose &quot;Add ChordBoard to chord sheet&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChordPro files (*.cho *.chordpro *.chopro *.crd *.pro)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chord-sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution in dots per inch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some lines of &quot;%1&quot; could not be read; the rest was loaded.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no chord definitions; the sheet is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chord sheet holds at most %1 diagrams; %2 of them were not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first %1 of the %2 selected chords were added to the chord sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing is marked on the ChordBoard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chord diagram shows one fret per string; string %1 of the ChordBoard has more than one mark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chord sheet could not be printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chord sheet could not be kept for the next start: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: the search stopped after %1 results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error stopped the search after %1 results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory: the sort stopped; the list keeps its order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error stopped the sort; the list keeps its order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chord sheet of the last run could not be read in full. It was set aside, unchanged, as &quot;%1&quot;; the sheet holds what could be read.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chord sheet of the last run, &quot;%1&quot;, could not be read in full, nor set aside. It is left as it is, and the sheet is not kept for the next start.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 diagrams; a chord sheet holds at most %3, so the last %4 were left out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was opened with %2 diagrams, and the sheet holds only the first %3. Saving over it loses the other %4. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ystem:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three notes per string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position %1: frets %2–%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three notes per string needs a scale of 6 notes or more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add position to chord sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add all positions to chord sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales &amp;across</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search threads</source>
        <translation></translation>
    </message>
    <message>
        <source>[file]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name chords as you mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ScaleBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChordBoard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab moves between the boards; the arrow keys, Home and End move the cursor; Space marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String %1, fret %2, %3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strings and frets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open in chord &amp;wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fret %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate right a&amp;way</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer did not accept the page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not all of the data could be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveJpeg</name>
    <message>
        <source>Could not save the picture &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetExport</name>
    <message>
        <source>the resolution must lie between %1 and %2 dpi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture would be too large at %1 dpi; choose a lower resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory for a picture this large</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetFile</name>
    <message>
        <source>Could not open &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is larger than %1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SongPage</name>
    <message>
        <source>Chorus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bridge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capo: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
