<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Firefox e Safari conservano cache, dati dei siti web e miniature delle pagine. Rimuoverli non tocca segnalibri, cronologia e password, ma alcuni siti potrebbero disconnetterti e dimenticare le loro impostazioni. I browser riempiono di nuovo questo spazio mentre navighi.</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>Scegli i browser…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Chromium e Firefox conservano cache, dati dei siti web e miniature delle pagine. Rimuoverli non tocca segnalibri, cronologia e password, ma alcuni siti potrebbero disconnetterti e dimenticare le loro impostazioni. I browser riempiono di nuovo questo spazio mentre navighi.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>Cache delle applicazioni</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>Le applicazioni conservano copie dei dati che hanno scaricato o elaborato in precedenza, per avviarsi e lavorare più velocemente. Rimuovere le cache è sicuro: documenti e impostazioni restano come sono. Le applicazioni ricostruiscono ciò che serve mentre le usi, quindi la prima volta potrebbero avviarsi un po’ più lentamente.</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>Mostra cartella delle cache</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>Registri delle applicazioni</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>Le applicazioni e il sistema annotano la loro attività e i loro errori nei file di registro. Nulla ha bisogno dei vecchi registri per funzionare, quindi rimuoverli è sicuro. Nuovi registri vengono scritti mentre le applicazioni continuano a funzionare.</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>Mostra cartella dei registri</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>Allegati di posta</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail, Airmail e Spark conservano sul disco copie degli allegati e dei messaggi scaricati. Rimuoverli è sicuro finché la posta resta sul server: messaggi e allegati vengono scaricati di nuovo quando li apri.</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>Mostra cartella Download</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>Residui delle applicazioni</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>Impostazioni, cache e file di supporto lasciati dalle applicazioni che hai rimosso. Nulla li usa più, quindi rimuoverli è sicuro. Tornano solo se installi di nuovo quelle applicazioni.</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>File di installazione</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>Immagini disco e pacchetti di installazione scaricati per installare applicazioni. Una volta installata l’applicazione, il programma di installazione non serve più, quindi rimuoverli è sicuro. Non tornano: scarica di nuovo il programma di installazione se ti servisse.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>File e cartelle che hai spostato nel Cestino. Rimuoverli li elimina definitivamente, quindi controlla prima il contenuto se non sei sicuro. Il Cestino si riempie di nuovo quando elimini file.</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>Mostra Cestino</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>Dovrel Cleaner si è chiuso inaspettatamente</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>Dovrel Cleaner si è interrotto inaspettatamente durante l’ultima esecuzione. Un rapporto è stato salvato su questo computer.</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>Cache delle applicazioni</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Registri delle applicazioni</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Residui delle applicazioni</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Allegati di posta</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>File di installazione</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Cestino</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostra nel gestore di file</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Anteprima rapida</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Ottieni informazioni</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Conserva sempre</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>Non conservare più</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>“%1” sarà sempre conservato. Le Preferenze elencano gli elementi conservati.</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>Impossibile aggiungere “%1” agli elementi conservati: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>“%1” non viene più conservato; selezionalo per rimuoverlo.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Impossibile togliere “%1” dagli elementi conservati: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>Pulizia completata</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>liberati nella tua cartella personale</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>Rimozione degli ultimi file in corso…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Mostra elenco</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Analizza di nuovo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>spostati nel Cestino, liberati quando verrà svuotato</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>spostati nel Cestino, liberati quando verrà svuotato; %1 rimossi definitivamente</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>Impossibile rimuovere 1 posizione.</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>Impossibile rimuovere %1 posizioni.</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>Nascondi elenco</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanerWindowController</name>
    <message>
        <source>Dovrel Cleaner</source>
        <translation>Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>Trova cache, registri, residui e altri file superflui nella tua cartella personale e rimuove ciò che scegli.</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>Informazioni su Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferenze…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>Esci da Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Invia un commento…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>Durante la pulizia:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Elimina definitivamente</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>Sposta nel Cestino</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>Durante la pulizia</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>Promemoria di pulizia</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>Vuoi un promemoria per la pulizia?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>Dovrel Cleaner può ricordarti di fare pulizia ogni qualche settimana. Il promemoria si avvia con la sessione; puoi disattivarlo nelle Preferenze in qualsiasi momento.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Non ora</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Ricordamelo</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>Invia un commento</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>Dicci cosa ti piace, cosa manca o cosa non ha funzionato. Il messaggio viene salvato come file di testo nella cartella “%1” di questo computer; nulla viene inviato in rete.</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>Il tuo commento</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>Grazie. Il tuo commento è stato salvato nel file “%1”.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>Impossibile salvare il tuo commento nella cartella “%1”. Il testo è ancora qui: copialo prima di chiudere questa finestra.</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>Completamento della pulizia…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>Interrompi ora</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>Dovrel Cleaner si chiude appena ha finito di rimuovere l’elemento su cui sta lavorando. Il resto della selezione rimane dov’è.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Interruzione…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>%1 rimossi finora</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>Consenti</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>Scegli la tua cartella personale</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>Scegli la cartella Applicazioni</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>“%1” non è la tua cartella personale. Scegli la cartella chiamata “%2” (%3).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>“%1” non è una cartella Applicazioni. Scegli la cartella chiamata “Applications” (%2).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>“%1” non è una cartella Applicazioni. Scegli una cartella chiamata “Applications”.</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>È ora di fare pulizia</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>La scansione intelligente esamina cache, registri, residui di applicazioni rimosse, dati dei browser, allegati di posta, programmi di installazione e il Cestino.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizza</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>Avvia una scansione intelligente</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>Cache delle applicazioni</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Registri delle applicazioni</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Residui delle applicazioni</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Browser</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Allegati di posta</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>File di installazione</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Cestino</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>Collegamento simbolico</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (pipe con nome)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>Dispositivo a caratteri</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>Dispositivo a blocchi</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>Su disco</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creato</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permessi</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Proprietario</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1, meno della dimensione: alcuni file al suo interno sono sparsi o compressi e occupano sul disco meno spazio di quanto contengono</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1, meno della dimensione: il file è sparso o compresso e occupa sul disco meno spazio di quanto contiene</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>Questo elemento non esiste più.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 byte)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>, non tutto è stato letto</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>Struttura della cartella personale:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>Struttura della cartella personale</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>Dovrel Cleaner deve leggere file protetti</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>Alcuni dati nella tua cartella personale, come i file dei browser sotto Library, si possono leggere solo con accesso completo. Senza, Dovrel Cleaner non può misurarli né pulirli.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>Consenti al tuo account di leggerli</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>Su Linux non esiste un elenco di accesso completo al disco: un file è leggibile quando il tuo account ha il permesso di lettura. Premi “Apri impostazioni” per mostrare il file protetto nel gestore di file, aprine le Proprietà e consenti la lettura al tuo account. Se Dovrel Cleaner è eseguito in una sandbox (Flatpak o Snap), concedigli anche l’accesso alla cartella personale nelle impostazioni dei permessi di quel sistema.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>Verifica l’accesso</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>Dopo aver consentito la lettura, premi “Conferma”. Dovrel Cleaner verifica l’accesso e chiude questa finestra appena riesce a leggere i file protetti.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>Preferenze</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Promemoria</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>Ricordami di fare pulizia regolarmente</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>Un piccolo assistente si avvia con la sessione e ti avvisa quando è ora di fare pulizia.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Cartelle</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Cartella personale</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>Elementi conservati</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>Mai proposti per la rimozione, con tutto il loro contenuto.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>Rimuovi elemento conservato</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Aggiungi…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>Aggiungi cartella da conservare…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>Pulito finora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambia…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>Cambia cartella personale…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>Cambia cartella Applicazioni…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>%1 rimossi in tutte le pulizie.</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>Non è ancora stato pulito nulla.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Impossibile togliere “%1” dagli elementi conservati: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>Conserva una cartella</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Conserva sempre</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>Impossibile conservare “%1”: %2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Non scelta</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>Nessuna cartella ancora consentita.</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>Questa cartella non esiste più. Sceglila di nuovo.</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>Questa cartella è stata sostituita dopo che l’hai consentita. Sceglila di nuovo.</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>Questa cartella non si chiama “%1”. Scegli quella giusta.</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Pulizia</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>Questa immagine è troppo grande per l’anteprima.</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>Impossibile leggere questa immagine.</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>Questo documento è troppo grande per l’anteprima.</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>Impossibile leggere questo documento.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>“%1” non esiste più.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Immagine di anteprima</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>Inizio del file</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Contenuto della cartella</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Caricamento…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>Viene mostrato solo l’inizio del file.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>Viene elencato solo il primo elemento.</numerusform>
            <numerusform>Vengono elencati solo i primi %n elementi.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>1 elemento, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>%n elemento, %1</numerusform>
            <numerusform>%n elementi, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>Punta a: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Creato: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Modificato: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>Ultima apertura: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>Apri impostazioni</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>Passo %1 di 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>Accesso completo al disco</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>Apertura del gestore di file…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>Impossibile aprire un gestore di file per mostrare “%1”.</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>Non analizzato: “%1” è un collegamento simbolico e la sua destinazione non fa parte della tua cartella personale.</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>Lasciato com’è: “%1”, perché il suo file .trashinfo non è un file normale.</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>Un’altra posizione è stata tralasciata per un motivo simile.</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>Altre %1 posizioni sono state tralasciate per motivi simili.</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>Consenti l’accesso alle tue cartelle</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>Dovrel Cleaner cerca file superflui solo dove glielo consenti. Scegli la tua cartella personale e la cartella Applicazioni.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Cartella personale</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>la cartella chiamata “%1”</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applicazioni</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>la cartella chiamata “Applications”</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>Consenti cartella personale</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>Consenti cartella Applicazioni</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>Perché Dovrel Cleaner ha bisogno di accesso?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>Dovrel Cleaner cerca file superflui solo dove glielo consenti. Scegli la tua cartella personale.</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ Cartella personale consentita</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ Applicazioni consentita</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>“%1” non può essere aperto come cartella. Sceglilo di nuovo.</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Perché Dovrel Cleaner ha bisogno di accesso</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>Dovrel Cleaner legge solo le cartelle che consenti.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Cerca nella tua cartella personale cache, registri, residui di applicazioni rimosse, dati dei browser, allegati di posta, programmi di installazione e il Cestino. Legge la cartella Applicazioni per sapere quali applicazioni sono ancora installate, così ciò che conservano non viene mai scambiato per un residuo. Non viene rimosso nulla finché non l’hai scelto e hai premuto il pulsante di rimozione.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Cerca nella tua cartella personale cache, registri, residui di applicazioni rimosse, dati dei browser, allegati di posta, programmi di installazione e il Cestino. Sa quali applicazioni sono ancora installate dall’elenco delle applicazioni del sistema, così ciò che conservano non viene mai scambiato per un residuo. Non viene rimosso nulla finché non l’hai scelto e hai premuto il pulsante di rimozione.</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Apri pagina web</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>Impossibile aprire un browser web. La pagina si trova all’indirizzo %1.</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>Barra di scorrimento</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>Scegli i browser da pulire</translation>
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
        <translation>I browser deselezionati conservano i loro dati.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>conservati: %1</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>sempre conservato</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>Chiudi %1 per pulire i suoi dati dei siti</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Nessun elemento trovato</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>Risultati della scansione</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>Seleziona ciò che vuoi rimuovere. La barra spaziatrice seleziona la riga attiva, i tasti freccia aprono e chiudono una categoria.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Nascondi %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostra %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>Risultati della scansione intelligente</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>Deseleziona ciò che vuoi conservare. Tutto ciò che è selezionato viene rimosso definitivamente.</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selezionati</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>Rimuovi gli elementi selezionati</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>Dimensione selezionata</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>Dimensione selezionata: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>L’elenco degli elementi conservati non è disponibile.</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>Deseleziona ciò che vuoi conservare. Tutto ciò che è selezionato finisce nel Cestino.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>Rimozione dei file selezionati in corso…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>I file selezionati vengono rimossi definitivamente; nulla finisce nel Cestino.</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>Pulizia completata…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>Spostamento dei file selezionati nel Cestino…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>I file selezionati finiscono nel Cestino; ciò che c’era già nel Cestino viene rimosso definitivamente.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>Ricerca dei file che puoi rimuovere in sicurezza…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>In attesa che l’ultima pulizia finisca…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>Scansione in “%1”</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>È ora di pulire il tuo Mac</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>Avvia Dovrel Cleaner e fai pulizia sul tuo Mac.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Avvia</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>Impostazioni messe da parte</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>Un file di impostazioni non poteva essere usato così com’era. È stato conservato come %1, e ciò che non è stato possibile leggere riparte da zero.</translation>
    </message>
</context>
</TS>
