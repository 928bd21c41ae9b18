<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>ColorValue</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlighted text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainActions</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Append File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recent files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export chart to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export &amp;&amp;import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
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
        <source>&amp;Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Node &amp;type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Averaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average and overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separate nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fold all nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unfold all nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree &amp;auto creation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse by X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse by Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set potential shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set peak potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy chart to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy calculation chart to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy selection to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste data from clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint &amp;X-axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint &amp;Y-axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint &amp;grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint &amp;captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show database name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show measurement types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 3D chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show peak borders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show each peak border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show 3D curves for peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Peak info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black&amp;&amp;white chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Semi-integral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semilogarithmic coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export chart to MS Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings...</source>
        <translation>Настройки...</translation>
    </message>
    <message>
        <source>Signal modeling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset &amp;device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start from &amp;current step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn on/off the mixer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set sampler position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change peak calculation type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate peaks by amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate peaks by square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate peaks by the difference of minimum and maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate peaks by the difference of minimum and maximum with bilinear correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turning points search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate Red/Ox peaks difference on CVA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave linearization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate peaks by the difference of minimum and maximum with linear correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change baseline type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear baseline approximation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spline baseline approximation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peaks marking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peaks auto search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove element from report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrations base...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include zero point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation statistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Methods editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method script editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement wizard...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assembly assistant...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Context</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Velmora-VA (beta)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown file format %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid integer value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;. %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create file &quot;%s&quot;. %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged or truncated: %s at offset %s needs %s bytes, but only %s remain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged: %s of %s does not fit in the %s bytes that remain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged: block %s at offset %s has the size %s, but only %s bytes remain.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged: %s stray bytes at offset %s do not form a block.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged: the nodes are nested deeper than %s levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading forms...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading parameters...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading methods...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening file...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving to file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File contains unread data blocks. Probably it was created in newer version of program. Saving may cause some data loss!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to save the Document in newer Bundled format (one file) or in old format (many files, tree-like structure will be lost)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database already exists in this folder. Select another folder or create a new one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have exported data to file (%s), but all new changes will be stored in the database (%s).<byte value="xd"/> This option may be changed in Settings dialog by switching to &apos;Separate files&apos; mode in &apos;Data storage&apos; box.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported formats|*.mbd; *.tvx|*.tvx|*.tvx|*.mbd|*.mbd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any file|*.*|*.dat|*.dat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.tvx|*.tvx|*.mbd|*.mbd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%s&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is not a document file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve &quot;%s&quot; holds %d peaks; the old format keeps only the first 21.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %s of the file cannot be read as a row of numbers: &quot;%s&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no rows of two or more numbers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has %s columns: the potential and current columns must be chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file has no column %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current density, %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supporting electrolyte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added standard 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added standard 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added standard 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume of sample taken for analyte preparation, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preliminary dilution of sample. If none then enter 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass of sample taken for ashing, g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume of solution obtained after dissolving of ash, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background volume, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume of analyte poured into the cell, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition 1, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition 2, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition 3, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conjunction type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stirrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stirrer type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay after mixing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d rpm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d mV %d sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d mV/sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%d mV %d Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retention, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 nA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 mkA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 mkA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 mkA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2x electrodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3x electrodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4x electrodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regulated stirrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regulated electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is not a program set file: it holds %s bytes instead of %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program set does not fit this file format: it holds at most %s programs of %s steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged: %s holds the invalid count %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No responce from device. Command №%d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error CRC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divice is not calibrated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No responce from device on reset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com-port component is not specified!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the serial port &quot;%s&quot;: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage of new 3 in 1 electrode is allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage of new 3 in 1 electrode is impossible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready for measurment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circular buffer overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury jet gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 in 1 electrode recovering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The coefficient %s is too large: it must not exceed 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stirrer speed %d rpm is too high: it must stay below 2560 rpm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the instrument by pressing &quot;R&quot; button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you really want to stop and reset the device?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program did not end normally last time. %s recorded curves were not saved. Restore them into a new document?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The end of the recovery journal was damaged; the curves before it were restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler not found. Check the connection and reset the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The autosampler did not answer on its way to cell %s. The batch is stopped; the %s curves recorded so far are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The autosampler did not report cell %s after the move. The batch is stopped; the %s curves recorded so far are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The electrode did not go up. Raise it by hand before the tray is turned.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tray has no free cell left for the service cell &quot;%s&quot; of the method &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The service cells take %d of the 15 cells: one sample needs %d more. Uncheck a method to make room.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve &quot;%s&quot; could not be written to the recovery journal (%s). The batch is stopped so that no further curve is at risk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All types of programs|*.prg;*.car;*.vap|Single step program *.prg|*.prg|Multistep program *.car|*.car|New multistep program *.vap|*.vap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New multistep program *.vap|*.vap|Multistep program *.car|*.car|Single step program *.prg|*.prg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%s&quot; is not a program file of a known type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discrete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurment time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mV/sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V/sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impuls mv/msec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>----</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PolyFit called with less than two points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed peak calculation types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed baseline types</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by abs height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by abs height with two lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>intersection point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>potential difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linearization slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by abs height with line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µA*mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to change all peaks calculation types?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to change all peaks baseline types?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JSON text is damaged near byte %d.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JSON text nests deeper than %d levels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The predefined peaks must be a list of objects.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predefined peak %d: the field &quot;%s&quot; has a wrong value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One standard addition method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard additions method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Three standard additions method (Hg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comparative method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aliquot volume, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dilution factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample mass, g</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prepared volume, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell volume, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of electrons transferred in the redox event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode area, cm^2^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration, mol/dm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature, K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinematic viscosity of the solution, cm^2^/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diffusion coefficient, cm^2^/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select series using checkboxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square root of the sweep rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square root of the angular frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method is not supported. Probably this file was created in newer version of the software. Update may solve this problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The clipboard text does not fit the table here: cell %s cannot take &quot;%s&quot;. Nothing was pasted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify the dimension of the result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supporting electrolyte current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyte current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added standard 1 current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added standard 2 current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added standard 3 current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference sample current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition 1 concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition 2 concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Addition 3 concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty variable name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The variable name can not consist only of digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicate variable name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s &apos;%s&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change node type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide series</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fold/Unfold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Group nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separate nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peaks auto search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open com port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder &quot;%s&quot; does not exist. Choose an existing folder for the central database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The analyzer is not on line. Connect it on the &quot;Ports&quot; page with &quot;Test&quot; first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to open com port
&quot;%s&quot;: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port &quot;%s&quot; of the analyzer was lost (%s). A run in progress has ended; its finished voltammograms are kept. Reconnect the analyzer and press &quot;Reset device&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No serial port was found, so the port setting names the built-in analyzer emulator. Voltammograms recorded from it are simulated, not measured, and are marked so. Choose the analyzer&apos;s port in Settings, &quot;Ports&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The index &quot;%s&quot; of the record folder is damaged (%s). The items read before the damage are kept; the file is kept as &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record &quot;%s&quot; cannot be read from &quot;%s&quot;: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The block with tag %s holds %s bytes where %s are expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration points block counts %s points in %s bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report date: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration date: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R^2^[%s]=%1.4f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y[%s]=%4.5f+%4.5f*C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s(y/x)=%s  LOD=%s  LOQ=%s mg/dm3  (n=%d)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database #</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration, [%s/%s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s R2=%1.4f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method already exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error on method load!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error on method script correction!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name, please...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading method %s...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method file|*.mtd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script file *.tvs|*.tvs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The method &quot;%s&quot; cannot be read and is left out: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged: it holds more %s than a method can (at most %s).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data is damaged: %s holds the invalid value %s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assembling of cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Treatment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for user input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter Stage name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set cell type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set electrod material</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin measurement cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set calculation method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default calculation parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set concentration dimention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set predefined peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set VA program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set program loops count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End measurement cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set addon type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set backbround electrolyte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide unused controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add custom equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record control solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation script flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add dummy data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of parallel samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New stage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set active page = %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set conjunction type to %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set electrod type to %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbositall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Platinum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified Carbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Carbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin of measurement cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation method: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations table: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration dimentions: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Predefined peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record program %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loops count: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of measurement cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stirrer type: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supporting electrolyte: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Controls visibility: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide unused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbid changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording of control solution is NOT required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording of control solution is required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording of control solution is not obligatory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulation script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data (%s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of parallel samples: %d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation(%g ml of %s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All types of programs|*.prg;*car;*.vap|Single step program *.prg|*.prg|Multistep program *.car|*.car|New multistep program *.vap|*.vap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*.dat;*.txt|*.dat;*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file holds an odd count of numbers: the last point has no y value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data file holds more than %s points.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter another name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume of analyte prepared, cm^3^</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis of parallel sample (%d of %d) is completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement program interrupted!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have changed some of the method&apos;s settings. Do You want to save the procedure under the new name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_i_, %s/%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_med_, %s/%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R, %s/%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$д$, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$Д$, %s/%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_max_-X_min_=%s </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_max_-X_min_=%s (in cell) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions of report and statistics are incompatible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell concentrations are unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_med_=%s &gt; %s - maximum detectable concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_med_=%s &lt; %s - limit of determination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (in cell)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is damaged: block %s comes before its experiment or element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is damaged: %s volumes where at most 5 are kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is damaged: more than %s %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is damaged: block %s counts %s values in %s bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurment type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_i_ - ion concentration in the sample for a single determination (with account for dilution, or mass concentration).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X_med_ - medium ion concentration in the sample.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R - absolute difference between parallel determination results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$д$ - percent error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$Д$ - absolute error of the measurement results.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash in cell means that element concentration is lower than the detection limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A first voltammogram can be recorded without an analyzer, from the built-in analyzer emulator. The emulator SIMULATES the instrument: its curves are simulated data, not measurements, and are marked &quot;[EMULATOR - simulated]&quot;.

The port setting (Settings, &quot;Ports&quot;) will name the emulator instead of &quot;%s&quot;; choose the analyzer&apos;s port there again to measure.

Record a simulated voltammogram now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The example program &quot;%s&quot; cannot be read (%s). Set up a program in &quot;Record parameters&quot; instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The example &quot;%s&quot; cannot be copied to &quot;%s&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to delete the installer from the temporary folder (%s)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%s of %s bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading upgrade information...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new snapshot version (%s) is available! Not recomended for critical measurements!
The size of update: %s KB.

Click &quot;Next&quot; to download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version (%s) is available!
The size of update: %s KB.

Click &quot;Next&quot; to download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your version is newer than on the Internet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your program is up-to-date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live-update couldn&apos;t retrieve the catalog file of available updates. Please check that your connection to the Internet in functioning correctly and retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live-update couldn&apos;t retrieve the catalog file of available updates. Please check that your connection to the Internet in functioning correctly and retry.

%s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download complete. Installer saved to %s

Click &quot;Next&quot; to install. Program will be terminated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No address of the update catalogue is set (&quot;CatalogueUrl&quot; in the section &quot;Install&quot; of Options.ini).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update catalogue is larger than %s bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update catalogue has %s lines; it needs at least 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %s of the update catalogue is not valid: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a version of the form yyyy.mm.dd is expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a size in bytes between 1 and %s is expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an http:// or https:// address of at most %s characters is expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a SHA-256 checksum of 64 hexadecimal digits is expected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update catalogue gives no SHA-256 checksum for the offered installer, so it cannot be verified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded installer does not match the SHA-256 checksum of the update catalogue. It was not saved and will not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installer &quot;%s&quot; no longer matches the SHA-256 checksum of the update catalogue. It will not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sends more than the %s bytes it announced.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s content length &quot;%s&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server sent nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installer cannot be saved as &quot;%s&quot;: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installer &quot;%s&quot; cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error while loading animation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect RDE/Autosampler control port (Ctrl) and PC connection port (RS232) on the back side of the Analyzer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Working, Reference and Auxiliary electrodes to their connectors on the front side of the Analyzer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Power supply (PWR) and turn on the Analyzer by switching the tumbler up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screw the RDE in the holder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screw the working tip on the electrode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the platform and the electrodes holder on the stand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the Reference and Auxiliary electrodes and plug their connectors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the electrochemical cell with the solution on the platform under the electrodes and put the holder down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install clips into the electrodes holders and place it on the stand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place stirrer on the stand, connect Power supply and turn it on by switching the tumbler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screw the working tip on the electrode. Install the working electrode in the holder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the Reference and Auxiliary electrodes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place the electrochemical cell with the solution on the stirrer. Put the stir bar and pull the holder down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect Autosampler control port (Ctrl) and Power supply (PWR). Turn on the Autosampler by switching the tumbler up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the Combined electrode in the holder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the Combined electrode connector to the jack on the front side of the Analyzer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StartPanelHost</name>
    <message>
        <source>Standard additions: Zn, Cd, Pb, Cu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background, sample, two additions; simulated by the emulator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard additions with peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The same simulated run, its peaks found and named</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionsForm</name>
    <message>
        <source>200 nA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 mkA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 mkA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 mkA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 mA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>200 mkA mod</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rd </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wr </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAC ADC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAC 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Грубо</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K DAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coefficients</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-/+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separate files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tree structure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show snapshot builds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto backup recorded data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask for modified methods save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peaks colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Superimposed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyzer connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use new 3 in 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the analyzer to a serial port of this computer and switch it on. Choose the port in the list (or type the path of a serial device) and press &quot;Test&quot;: the analyzer is reset and reports its status, firmware version and autosampler.

Choose &quot;emulator&quot; to work with the built-in analyzer emulator when no analyzer is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration (Experts only)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images and colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where recorded curves are kept (separate document files or one central database folder), how new recordings enter the document tree, automatic update checks and backups, and the folder that holds the settings and other per-user files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port of the analyzer. Choosing a port opens it at once; &quot;Test&quot; resets the analyzer and shows its status, firmware version and autosampler.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The analyzer&apos;s calibration data. &quot;Measure&quot; reads the current through the reference resistor with the bench values last applied, &quot;Calibr&quot; computes the gain of the chosen range from it, &quot;Apply&quot; stores the page in the analyzer and &quot;Reload&quot; reads it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The size, margins and colours of the thumbnails, and the colours of the main chart&apos;s background and peaks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::AppCommandLine</name>
    <message>
        <source>Velmora-VA: the workstation of the stripping-voltammetry analyzer. It records voltammograms, finds their peaks and computes concentrations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves pictures of the windows into DIR and quits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts with a demonstration document.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document (.tvx, .mbd) to open at start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[document]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ChartToolsHost</name>
    <message>
        <source>Horizontal axis minimum value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical axis minimum value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D, %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> X </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Y </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ColorChooser</name>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::CurveCommands</name>
    <message>
        <source>Smoothing filter value</source>
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
        <source>Enter the potential shift</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::DeviceStatusPresenter</name>
    <message>
        <source>The analyzer is the built-in emulator: every voltammogram recorded now is simulated and marked so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EMULATOR - simulated data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ExportHost</name>
    <message>
        <source>&amp;Export &amp;&amp;import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portable network graphics (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scalable vector graphics (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portable document format (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export chart to file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::ImportColumnsDialog</name>
    <message>
        <source>Data import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 columns. Choose the potential and the current.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current column</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is taken in mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is converted to mV (× %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is taken in µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is converted to µA (× %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the current density in %1 is kept as it stands; the unit is noted on the curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the unit %1 is not known: the numbers are taken as they stand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no unit: the numbers are taken as mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no unit: the numbers are taken as µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::MainChartView</name>
    <message>
        <source>Potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current, µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a curve or a group on the left to show it here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculations</source>
        <translation>&amp;Расчеты</translation>
    </message>
    <message>
        <source>&amp;Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Series %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select visible data series for summ and overlay calculation type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Структура</translation>
    </message>
    <message>
        <source>Thumbnails</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document has unsaved changes that will be lost. Continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;br&gt;Workstation software of the stripping-voltammetry analyzer.&lt;br&gt;Version %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::OptionsPortsPage</name>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testing...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::PropertiesWindow</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::RecordingReceiver</name>
    <message>
        <source>Activation (%1) %2 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 V=%2 (%3) %4 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) %3 left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::SamplerHost</name>
    <message>
        <source>Cell: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::StartPanel</name>
    <message>
        <source>Velmora-VA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stripping-voltammetry workstation, version %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a document...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A document (.tvx) or a folder database (.mbd)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record a first voltammogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the built-in analyzer emulator, without an instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The emulator simulates the analyzer: its curves are simulated data, not measurements, and are marked &quot;[EMULATOR - simulated]&quot;. Recording from it sets the port in Settings, &quot;Ports&quot; to &quot;emulator&quot; after you agree.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No documents opened yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated voltammograms recorded from the analyzer emulator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TAssemblyForm</name>
    <message>
        <source>Assembling the Analyzer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RDE + Analyzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler + Analyzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stirrer + Analyzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assembly assistant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose what to assemble:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TAutoSampler</name>
    <message>
        <source>Select cell draging mouse over it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incompatible by supporting electrolyte methods were automatically unchecked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter comments here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Methods:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TCalcForm</name>
    <message>
        <source>Cleaning potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay after mixing, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation amplitude, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation Frequency, Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select data in main window list and choose the calculation method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Property</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erroneous input is marked by the red frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurment type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C(Add),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In cell (C_x_),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result in cell (C_x_), %1/%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In sample (X),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stirrer frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angular frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the name, please...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter another name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TCalcGrid</name>
    <message>
        <source>Drag this fill handle to copy peaks borders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TCalibrForm</name>
    <message>
        <source>Calibrations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrations by date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration, [mg/dm3]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>s(y/x)=%1  LOD=%2  LOQ=%3 mg/dm3  (n=%4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TEquationEditor</name>
    <message>
        <source>Equation editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type equation using internal and custom variables </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error messages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove variable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TMethodEditForm</name>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program file path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit VA program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide unused controls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supporting electrolyte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Localized options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Translation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New method...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TMethodScriptEditor</name>
    <message>
        <source>Method script editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis stages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove stage</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TMethodStatForm</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update methods stat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements in method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Element</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Element statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower bound, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper bound, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reproducibility/X_med_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Critical difference/X_med_</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TOldStyleRecordForm</name>
    <message>
        <source>Electrode down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler cell number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show or hide the program table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compact view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show only the groups the current step uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program to copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step to copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert before current step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove current step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a program file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the programs to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/hide table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loops count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current restiction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down computer after program execution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potentials and times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADC working range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conjunction type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voltammetry cell type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurment type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer timeout before measurement start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regulated mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regulated electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation speed (rpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retention, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retention potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation on/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle on/off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cycles to record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cycles to skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set measurement type vs time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impuls(t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set electrode down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set electrode up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TOptionsForm</name>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
</context>
<context>
    <name>velmora::TPar_Tbl</name>
    <message>
        <source>Prog/Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean/t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis/t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation u/f</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stirrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retention, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prep 1/t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prep 2/t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort by steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right mouse button: change the order. Double click: edit the step.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TPeakMarking</name>
    <message>
        <source>Enter the name, please...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter another name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TPeaksController</name>
    <message>
        <source>Enter peak potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set peak potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TPeaksSelectionForm</name>
    <message>
        <source>Peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TPrintOptionsBox</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial data table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result calculation data </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TRepForm</name>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of copies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields, mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black &amp;&amp; White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TReportOptionsBox</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial data table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measurement type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result calculation data </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peaks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black &amp;&amp; White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TReportPage</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Representation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save current report?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TSamplerForm</name>
    <message>
        <source>Check the methods to run and set the number of samples: the tray is laid out with the service cells the methods share and the cells of every sample. Drag a cell onto another to exchange them; point at a cell to edit its type, sample, comments and methods. &quot;Modify&quot; edits the program set of the batch, &quot;Run&quot; starts it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosampler setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select methods:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of samples for analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loops count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stirrer settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regulated mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regulated electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotating electrode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation speed (rpm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active cell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrode down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use new 3 in 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analysis program rebuilded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TScriptStepPages</name>
    <message>
        <source>Conjunction type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration calculation method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixing type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose option:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This command has no parameters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supporting electrolyte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume, ml</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation solution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Additions concentrations]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Result concentrations]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove peak</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elements</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standart addition concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak calculation method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program file path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs: %1, steps: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equation editor...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation methods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TStatForm</name>
    <message>
        <source>Calculation statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear trends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration, [%1/%2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweep rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angular frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 1 time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparation 2 time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis potential, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electrolysis time, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay after mixing, s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation amplitude, mV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation Frequency, Hz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TSubtractionForm</name>
    <message>
        <source>Subtraction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minuend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtrahend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TUpdateForm</name>
    <message>
        <source>Program update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::TimerWindow</name>
    <message>
        <source>Timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>velmora::UpdateDownloader</name>
    <message>
        <source>The server answered %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
