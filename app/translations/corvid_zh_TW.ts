<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Help</name>
    <message>
        <location filename="../HelpCommands.cpp" line="40"/>
        <source>Error occurs when loading help file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../HelpCommands.cpp" line="47"/>
        <source>Can&apos;t find file :%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../HelpCommands.cpp" line="51"/>
        <source>About Corvid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../HelpCommands.cpp" line="52"/>
        <source>&lt;p&gt;&lt;b&gt;Halvard Corvid&lt;/b&gt; %1&lt;/p&gt;&lt;p&gt;Editor and generator of EDS files for CANopen, DeviceNet and EtherNet/IP devices.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../FrameActions.cpp" line="26"/>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="33"/>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="38"/>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="41"/>
        <source>&amp;Params</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="43"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="51"/>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="69"/>
        <source>&amp;New...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="70"/>
        <source>Ctrl+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="71"/>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="72"/>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="73"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="74"/>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="75"/>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="76"/>
        <source>Save A&amp;ll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="77"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="78"/>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="79"/>
        <source>Ctrl+X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="80"/>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="81"/>
        <source>Ctrl+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="82"/>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="83"/>
        <source>Ctrl+V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="84"/>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="86"/>
        <source>&amp;Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="87"/>
        <source>Ctrl+I</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="88"/>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="89"/>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="90"/>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="92"/>
        <source>&amp;Revision History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="93"/>
        <source>&amp;About Corvid...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="94"/>
        <source>Recent &amp;Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="97"/>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../FrameActions.cpp" line="99"/>
        <source>Ctrl+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../QtDialogs.cpp" line="109"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../QtDialogs.cpp" line="135"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvid::app::CMainFrame</name>
    <message>
        <location filename="../MainFrame.cpp" line="65"/>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../MainFrame.cpp" line="67"/>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvid::app::CMessageWindow</name>
    <message>
        <location filename="../MessageWindow.cpp" line="12"/>
        <source>Message Window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvid::app::CProjectWindow</name>
    <message>
        <location filename="../ProjectWindow.cpp" line="22"/>
        <source>Project Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ProjectWindow.cpp" line="32"/>
        <source>CANopen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ProjectWindow.cpp" line="33"/>
        <source>DeviceNet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ProjectWindow.cpp" line="34"/>
        <source>EtherNet/IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ProjectWindow.cpp" line="44"/>
        <source>&amp;New File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ProjectWindow.cpp" line="45"/>
        <source>&amp;Add Files...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ProjectWindow.cpp" line="47"/>
        <source>&amp;Remove File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvid::app::CSavePromptDialog</name>
    <message>
        <location filename="../SavePromptDialog.cpp" line="20"/>
        <source>YES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../SavePromptDialog.cpp" line="21"/>
        <source>NO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../SavePromptDialog.cpp" line="22"/>
        <source>All Not</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../SavePromptDialog.cpp" line="23"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>corvid::app::CWaitDialog</name>
    <message>
        <location filename="../WaitDialog.cpp" line="10"/>
        <source>Loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../WaitDialog.cpp" line="13"/>
        <source>Please waitting...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../main.cpp" line="20"/>
        <source>Edits CANopen, DeviceNet and EtherNet/IP EDS files. Files given open at start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../main.cpp" line="25"/>
        <source>EDS files to open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
