<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Firefox und Safari speichern Caches, Website-Daten und Seitenvorschauen. Beim Entfernen bleiben Lesezeichen, Verlauf und Passwörter erhalten, aber Websites melden Sie womöglich ab und vergessen ihre Einstellungen. Beim Surfen füllen die Browser diesen Speicher wieder.</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>Browser auswählen …</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Chromium und Firefox speichern Caches, Website-Daten und Seitenvorschauen. Beim Entfernen bleiben Lesezeichen, Verlauf und Passwörter unberührt, aber Websites melden Sie eventuell ab und vergessen ihre Einstellungen. Browser legen diese Daten beim Surfen wieder an.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>Programm-Caches</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>Programme bewahren Kopien von Daten auf, die sie heruntergeladen oder berechnet haben, damit sie schneller starten und arbeiten. Caches zu entfernen ist sicher: Ihre Dokumente und Einstellungen bleiben, wie sie sind. Die Programme bauen bei der Nutzung wieder auf, was sie brauchen, und starten deshalb beim ersten Mal vielleicht etwas langsamer.</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>Cache-Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>Programm-Protokolle</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>Programme und das System schreiben Notizen über ihre Arbeit und ihre Fehler in Protokolldateien. Nichts braucht alte Protokolle zum Laufen, daher ist ihr Entfernen sicher. Solange Programme laufen, entstehen neue Protokolle.</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>Protokollordner zeigen</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>Mail-Anhänge</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail, Airmail und Spark legen Kopien von Anhängen und heruntergeladenen Nachrichten auf Ihrer Festplatte ab. Solange Ihre Mails auf dem Mailserver bleiben, ist das Entfernen sicher: Nachrichten und ihre Anhänge werden beim Öffnen erneut heruntergeladen.</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>Download-Ordner zeigen</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>Programm-Überreste</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>Einstellungen, Caches und Hilfsdateien, die entfernte Programme zurückgelassen haben. Nichts verwendet sie mehr, daher ist ihr Entfernen sicher. Sie kehren nur zurück, wenn Sie diese Programme erneut installieren.</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Installationsdateien</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>Festplattenabbilder und Installationspakete, die Sie zum Installieren von Programmen heruntergeladen haben. Ist ein Programm installiert, wird sein Installationsprogramm nicht mehr gebraucht, daher ist das Entfernen sicher. Sie kehren nicht zurück: Laden Sie das Installationsprogramm erneut herunter, falls Sie es je brauchen.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>Dateien und Ordner, die Sie in den Papierkorb gelegt haben. Beim Entfernen werden sie endgültig gelöscht; sehen Sie also zuerst nach, wenn Sie unsicher sind. Der Papierkorb füllt sich wieder, wenn Sie Dateien löschen.</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>Papierkorb zeigen</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>Dovrel Cleaner wurde unerwartet beendet</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>Dovrel Cleaner wurde beim letzten Mal unerwartet beendet. Ein Bericht wurde auf diesem Computer gespeichert.</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>Programm-Caches</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Programm-Protokolle</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Programm-Überreste</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Mail-Anhänge</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Installationsdateien</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Papierkorb</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>In der Dateiverwaltung zeigen</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Immer behalten</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>Nicht mehr behalten</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>„%1“ wird immer behalten. Die Einstellungen zeigen, was behalten wird.</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>„%1“ konnte nicht zu den behaltenen Objekten hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>„%1“ wird nicht mehr behalten; zum Entfernen ankreuzen.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>„%1“ konnte nicht aus den behaltenen Objekten genommen werden: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>cleaned from your home folder</source>
        <translation>aus Ihrem persönlichen Ordner entfernt</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>Die letzten Dateien werden noch entfernt ...</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Liste zeigen</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>1 Ort konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>%1 Orte konnten nicht entfernt werden.</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>Liste ausblenden</translation>
    </message>
    <message>
        <source>Cleanup finished</source>
        <translation>Bereinigung abgeschlossen</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>in den Papierkorb verschoben, frei, sobald er geleert wird</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>in den Papierkorb verschoben, frei, sobald er geleert wird; %1 endgültig entfernt</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanerWindowController</name>
    <message>
        <source>Dovrel Cleaner</source>
        <translation>Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>Über Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>Dovrel Cleaner beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Rückmeldung senden …</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>Findet Caches, Protokolle, Überreste und anderen Ballast in Ihrem persönlichen Ordner und entfernt, was Sie auswählen.</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>Beim Bereinigen:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>Beim Bereinigen</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>Erinnerungen ans Aufräumen</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>Ans Aufräumen erinnern?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>Dovrel Cleaner kann Sie alle paar Wochen ans Aufräumen erinnern. Die Erinnerung startet mit Ihrer Sitzung; Sie können sie jederzeit in den Einstellungen ausschalten.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Erinnern</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>Rückmeldung senden</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>Ihre Rückmeldung</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>Sagen Sie uns, was Ihnen gefällt, was fehlt oder was schiefging. Ihre Nachricht wird als Textdatei im Ordner „%1“ auf diesem Computer gespeichert; nichts wird über das Netz gesendet.</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>Danke. Ihre Rückmeldung wurde in der Datei „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>Ihre Rückmeldung konnte nicht im Ordner „%1“ gespeichert werden. Ihr Text ist noch da: Kopieren Sie ihn, bevor Sie dieses Fenster schließen.</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>Die Bereinigung wird abgeschlossen …</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>Jetzt anhalten</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>Dovrel Cleaner wird beendet, sobald das Objekt, an dem es gerade arbeitet, entfernt ist. Der Rest Ihrer Auswahl bleibt, wo er ist.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten …</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>Bisher %1 entfernt</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>Wählen Sie Ihren persönlichen Ordner</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>Wählen Sie den Programmordner</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>„%1“ ist nicht Ihr persönlicher Ordner. Bitte wählen Sie den Ordner „%2“ (%3).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>„%1“ ist kein Programmordner. Bitte wählen Sie den Ordner „Applications“ (%2).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>„%1“ ist kein Programmordner. Bitte wählen Sie einen Ordner namens „Applications“.</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>Zeit zum Aufräumen</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>Die intelligente Prüfung durchsucht Caches, Protokolle, Überreste entfernter Programme, Browserdaten, Mail-Anhänge, Installationsprogramme und den Papierkorb.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>Startet eine intelligente Prüfung</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>Programm-Caches</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Programm-Protokolle</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Programm-Überreste</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Mail-Anhänge</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Installationsdateien</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Papierkorb</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>Symbolische Verknüpfung</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (benannte Pipe)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>Zeichengerät</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>Blockgerät</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>Auf der Festplatte</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Zugriffsrechte</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>Informationen zu %1</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>Dieses Objekt ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Byte)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>, nicht alles davon war lesbar</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1, weniger als die Größe: einige Dateien darin sind dünnbesetzt oder komprimiert und belegen auf dem Datenträger weniger Platz, als sie enthalten</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1, weniger als die Größe: die Datei ist dünnbesetzt oder komprimiert und belegt auf dem Datenträger weniger Platz, als sie enthält</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>Aufbau des persönlichen Ordners:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>Aufbau des persönlichen Ordners</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>Dovrel Cleaner muss geschützte Dateien lesen</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>Manche Daten in Ihrem persönlichen Ordner, etwa die Browserdateien unter Library, lassen sich nur mit vollem Zugriff lesen. Ohne ihn kann Dovrel Cleaner sie weder messen noch bereinigen.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>Erlauben Sie Ihrem Konto, sie zu lesen</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>Unter Linux gibt es keine Liste für den vollen Festplattenzugriff: Eine Datei ist lesbar, wenn Ihr Konto Leserechte dafür hat. Drücken Sie „Einstellungen öffnen“, um die geschützte Datei in Ihrer Dateiverwaltung zu zeigen, öffnen Sie ihre Eigenschaften und erlauben Sie Ihrem Konto das Lesen. Läuft Dovrel Cleaner in einer Sandbox (Flatpak oder Snap), geben Sie ihm außerdem in deren Berechtigungseinstellungen Zugriff auf Ihren persönlichen Ordner.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>Zugriff prüfen</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>Wenn Sie das Lesen erlaubt haben, drücken Sie „Bestätigen“. Dovrel Cleaner prüft den Zugriff und schließt dieses Fenster, sobald es die geschützten Dateien lesen kann.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Erinnerungen</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>Regelmäßig ans Aufräumen erinnern</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>Ein kleines Hilfsprogramm startet mit Ihrer Sitzung und sagt Ihnen, wann es Zeit zum Aufräumen ist.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Ändern …</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>Persönlichen Ordner ändern …</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>Programmordner ändern …</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Nicht gewählt</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>Noch ist kein Ordner erlaubt.</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>Dieser Ordner existiert nicht mehr. Bitte wählen Sie ihn erneut.</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>Dieser Ordner wurde ersetzt, seit Sie ihn erlaubt haben. Bitte wählen Sie ihn erneut.</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>Dieser Ordner heißt nicht „%1“. Bitte wählen Sie den richtigen.</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>Bisher bereinigt</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>%1 in allen Bereinigungen entfernt.</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>Es wurde noch nichts bereinigt.</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>Behaltene Objekte</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>Werden nie zum Entfernen angeboten, samt ihrem Inhalt.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>Behaltenes Objekt entfernen</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Hinzufügen …</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>Behaltenen Ordner hinzufügen …</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>„%1“ konnte nicht aus den behaltenen Objekten genommen werden: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>Einen Ordner behalten</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Immer behalten</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>„%1“ konnte nicht behalten werden: %2</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Bereinigen</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>Dieses Bild ist für eine Vorschau zu groß.</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>Dieses Bild kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>Dieses Dokument ist für eine Vorschau zu groß.</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>Dieses Dokument kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>„%1“ ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Vorschaubild</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>Anfang der Datei</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Ordnerinhalt</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>Nur der Anfang der Datei wird gezeigt.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>Nur das erste Objekt wird aufgeführt.</numerusform>
            <numerusform>Nur die ersten %n Objekte werden aufgeführt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>%n Objekt, %1</numerusform>
            <numerusform>%n Objekte, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>Verweist auf: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Erstellt: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Geändert: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>Zuletzt geöffnet: %1</translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>1 Objekt, %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>Einstellungen öffnen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>Schritt %1 von 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>Voller Festplattenzugriff</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>Dateimanager wird geöffnet …</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>Es konnte kein Dateimanager geöffnet werden, um „%1“ zu zeigen.</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>Nicht durchsucht: „%1“ ist ein symbolischer Link, und sein Ziel gehört nicht zu Ihrem Benutzerordner.</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>Unverändert gelassen: „%1“, weil seine .trashinfo-Datei keine gewöhnliche Datei ist.</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>Ein weiterer Ort wurde aus ähnlichem Grund ausgelassen.</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>%1 weitere Orte wurden aus ähnlichen Gründen ausgelassen.</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>Zugriff auf Ihre Ordner erlauben</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>Dovrel Cleaner sucht nur dort nach Ballast, wo Sie es erlauben. Bitte wählen Sie Ihren persönlichen Ordner und den Ordner „Applications“.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>der Ordner „%1“</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>der Ordner „Applications“</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>Persönlichen Ordner erlauben</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>Programmordner erlauben</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>Warum braucht Dovrel Cleaner Zugriff?</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ Persönlicher Ordner erlaubt</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ Programmordner erlaubt</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>„%1“ lässt sich nicht als Ordner öffnen. Bitte wählen Sie ihn erneut.</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Warum Dovrel Cleaner Zugriff braucht</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>Dovrel Cleaner liest nur die Ordner, die Sie erlauben.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Es sucht in Ihrem persönlichen Ordner nach Caches, Protokollen, Überresten entfernter Programme, Browserdaten, Mail-Anhängen, Installationsprogrammen und dem Papierkorb. Den Programmordner liest es, um zu erfahren, welche Programme noch installiert sind, damit deren Daten nie für Überreste gehalten werden. Nichts wird entfernt, bevor Sie es ausgewählt und die Taste zum Entfernen gedrückt haben.</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Webseite öffnen</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>Es konnte kein Webbrowser geöffnet werden. Die Seite finden Sie unter %1.</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>Dovrel Cleaner sucht nur dort nach Ballast, wo Sie es erlauben. Bitte wählen Sie Ihren Benutzerordner.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Es sucht in Ihrem Benutzerordner nach Caches, Protokollen, Resten entfernter Programme, Browserdaten, Mail-Anhängen, Installationsdateien und dem Papierkorb. Welche Programme noch installiert sind, erfährt es aus der Programmliste des Systems, sodass deren Daten nie für Reste gehalten werden. Entfernt wird nur, was Sie ausgewählt haben, nachdem Sie die Schaltfläche zum Entfernen gedrückt haben.</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>Bildlaufleiste</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>Zu bereinigende Browser auswählen</translation>
    </message>
    <message>
        <source>Google Chrome</source>
        <translation>Google Chrome</translation>
    </message>
    <message>
        <source>Firefox</source>
        <translation>Firefox</translation>
    </message>
    <message>
        <source>Safari</source>
        <translation>Safari</translation>
    </message>
    <message>
        <source>Browsers you untick keep their data.</source>
        <translation>Abgewählte Browser behalten ihre Daten.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>Nothing found</source>
        <translation>Nichts gefunden</translation>
    </message>
    <message>
        <source>%1 kept</source>
        <translation>%1 behalten</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>wird immer behalten</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>%1 schließen, um seine Website-Daten zu bereinigen</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>Prüfergebnisse</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>Haken Sie an, was entfernt werden soll. Die Leertaste setzt den Haken in der markierten Zeile, die Pfeiltasten öffnen und schließen eine Kategorie.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 ausblenden</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>%1 zeigen</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>Ergebnisse der intelligenten Prüfung</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>Haken entfernen, was bleiben soll. Angehaktes wird endgültig gelöscht.</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>Die angehakten Objekte entfernen</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>Ausgewählte Größe</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>Ausgewählte Größe: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>Die Liste der behaltenen Objekte ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>Haken entfernen, was bleiben soll. Angehaktes kommt in den Papierkorb.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>Die ausgewählten Dateien werden entfernt ...</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>Ausgewählte Dateien werden endgültig entfernt; nichts wandert in den Papierkorb.</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>Bereinigung abgeschlossen ...</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>Die ausgewählten Dateien werden in den Papierkorb verschoben ...</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>Ausgewählte Dateien kommen in den Papierkorb; was im Papierkorb war, wird endgültig entfernt.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>Suche nach Dateien, die Sie gefahrlos entfernen können …</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>Prüfung in „%1“</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>Warten, bis die letzte Bereinigung fertig ist …</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>Zeit, Ihren Mac aufzuräumen</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>Starten Sie Dovrel Cleaner und räumen Sie Ihren Mac auf.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Starten</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>Einstellungen beiseitegelegt</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>Eine Einstellungsdatei konnte so nicht verwendet werden. Sie wurde als %1 aufbewahrt, und was nicht gelesen werden konnte, beginnt neu.</translation>
    </message>
</context>
</TS>
