<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <location filename="../../src/shell/AppDelegate.cpp" line="59"/>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/AppDelegate.cpp" line="61"/>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <location filename="../../src/engine/CategoryTable.cpp" line="14"/>
        <source>Applications caches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/engine/CategoryTable.cpp" line="16"/>
        <source>Applications logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/engine/CategoryTable.cpp" line="18"/>
        <source>Applications remainders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/engine/CategoryTable.cpp" line="21"/>
        <source>Browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/engine/CategoryTable.cpp" line="23"/>
        <source>Mail attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/engine/CategoryTable.cpp" line="25"/>
        <source>Installation files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/engine/CategoryTable.cpp" line="27"/>
        <source>Trash Bin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::CleanerWindowController</name>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="20"/>
        <source>Dovrel Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="39"/>
        <source>&amp;Dovrel Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="40"/>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="42"/>
        <source>About Dovrel Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="43"/>
        <source>&lt;b&gt;Dovrel Cleaner&lt;/b&gt;&lt;br&gt;Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="46"/>
        <source>Preferences…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="51"/>
        <source>Quit Dovrel Cleaner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="56"/>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/shell/CleanerWindowController.cpp" line="57"/>
        <source>Send Feedback…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <location filename="../../src/screens/home/EnableSchedulerViewController.cpp" line="15"/>
        <source>Cleanup reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/home/EnableSchedulerViewController.cpp" line="20"/>
        <source>Remind me to clean up?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/home/EnableSchedulerViewController.cpp" line="24"/>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/home/EnableSchedulerViewController.cpp" line="33"/>
        <source>Not Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/home/EnableSchedulerViewController.cpp" line="36"/>
        <source>Remind Me</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <location filename="../../src/platform/gui/FeedbackDialog.cpp" line="12"/>
        <source>Send Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/platform/gui/FeedbackDialog.cpp" line="15"/>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/platform/gui/FeedbackDialog.cpp" line="21"/>
        <source>Your feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/platform/gui/FeedbackDialog.cpp" line="25"/>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <location filename="../../src/screens/home/HomeViewController.cpp" line="57"/>
        <source>Time for a clean-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/home/HomeViewController.cpp" line="63"/>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/home/HomeViewController.cpp" line="81"/>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <location filename="../../src/screens/access/Page1PrivacyFullDisk.cpp" line="8"/>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/Page1PrivacyFullDisk.cpp" line="9"/>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <location filename="../../src/screens/access/Page2PrivacyFullDisk.cpp" line="8"/>
        <source>Allow your account to read them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/Page2PrivacyFullDisk.cpp" line="9"/>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <location filename="../../src/screens/access/Page3PrivacyFullDisk.cpp" line="8"/>
        <source>Check the access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/Page3PrivacyFullDisk.cpp" line="9"/>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <location filename="../../src/screens/preferences/PreferencesViewController.cpp" line="15"/>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/preferences/PreferencesViewController.cpp" line="20"/>
        <source>Reminders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/preferences/PreferencesViewController.cpp" line="24"/>
        <source>Remind me to clean up regularly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/preferences/PreferencesViewController.cpp" line="27"/>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <location filename="../../src/screens/access/PrivacyDiskAccessViewController.cpp" line="41"/>
        <source>Open Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/PrivacyDiskAccessViewController.cpp" line="43"/>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <location filename="../../src/screens/access/PrivacyFullDiskPage.cpp" line="19"/>
        <source>Step %1 of 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/PrivacyFullDiskPage.cpp" line="34"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/PrivacyFullDiskPage.cpp" line="39"/>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <location filename="../../src/screens/access/PrivacyFullDiskWindowController.cpp" line="12"/>
        <source>Full Disk Access</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="93"/>
        <source>Allow access to your folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="98"/>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="109"/>
        <source>Home folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="109"/>
        <source>the folder named “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="110"/>
        <source>Applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="110"/>
        <source>the folder named “Applications”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="114"/>
        <source>Allow Home Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="118"/>
        <source>Allow Applications Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="130"/>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="157"/>
        <source>✓ Home Folder Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="157"/>
        <source>✓ Applications Allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="176"/>
        <source>Allow access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/access/SandboxViewController.cpp" line="177"/>
        <source>Allow</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="53"/>
        <source>Looking for files you can safely remove…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="65"/>
        <source>Scan in &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="101"/>
        <source>Applications caches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="124"/>
        <source>Applications logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="126"/>
        <source>Applications remainders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="128"/>
        <source>Browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="129"/>
        <source>Mail attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="131"/>
        <source>Installation files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/screens/scan/SmartScanViewController.cpp" line="133"/>
        <source>Trash Bin</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
