<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>%1 must be a whole number from -32768 to 32767. Nothing was applied.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SummaryCheck</name>
    <message>
        <source>%1 is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be at least 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must not be negative.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD1 and SD2 are too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD1 and SD2 are both 0, so t is undefined for different means.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD1 and SD2 are too small to compare M1 and M2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M1 and M2 are too far apart for SD1 and SD2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N1 + N2 is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M1 and M2 are too far apart to compare.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::ButtonPage</name>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool tip text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delta:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MousePointer:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::DesignSurface</name>
    <message>
        <source>Property pages at design time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button properties...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel properties...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::PanelPage</name>
    <message>
        <source>Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panel Docking:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption Alignment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::PropertyPage</name>
    <message>
        <source>The control this page edits no longer exists; the changes cannot be applied.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::PropertyPagesDialog</name>
    <message>
        <source>Property Pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::StandardColorPage</name>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::StandardFontPage</name>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lx::StandardPage</name>
    <message>
        <source>Properties:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>A calculator for the two-sample t-test from summary statistics: type N, mean and SD of two sets; F5 calculates, F6 shows the full report, Esc clears.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
