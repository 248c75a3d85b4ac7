<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>Navigateurs</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Firefox et Safari conservent des caches, des données de sites web et des miniatures de pages. Les supprimer ne touche ni à vos favoris, ni à votre historique, ni à vos mots de passe, mais certains sites pourront vous déconnecter et oublier leurs réglages. Les navigateurs remplissent de nouveau cet espace au fil de la navigation.</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>Choisir les navigateurs…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Chromium et Firefox conservent des caches, des données de sites web et des miniatures de pages. Les supprimer ne touche ni à vos favoris, ni à votre historique, ni à vos mots de passe, mais certains sites pourront vous déconnecter et oublier leurs réglages. Les navigateurs remplissent de nouveau cet espace au fil de la navigation.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>Caches des applications</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>Les applications gardent des copies des données qu’elles ont téléchargées ou calculées, afin de démarrer et de travailler plus vite. Supprimer les caches est sans danger&#xa0;: vos documents et vos réglages restent tels quels. Les applications reconstruisent ce dont elles ont besoin à l’usage&#xa0;; elles peuvent donc démarrer un peu plus lentement la première fois.</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>Afficher le dossier des caches</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>Journaux des applications</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>Les applications et le système consignent leur activité et leurs erreurs dans des fichiers journaux. Rien n’a besoin des anciens journaux pour fonctionner&#xa0;: les supprimer est sans danger. De nouveaux journaux sont écrits à mesure que les applications fonctionnent.</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>Afficher le dossier des journaux</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>Pièces jointes de courriel</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail, Airmail et Spark gardent sur votre disque des copies des pièces jointes et des messages téléchargés. Les supprimer est sans danger tant que votre courrier reste sur le serveur de messagerie&#xa0;: les messages et leurs pièces jointes sont de nouveau téléchargés quand vous les ouvrez.</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>Afficher le dossier Téléchargements</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>Restes d’applications</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>Réglages, caches et fichiers de support laissés par des applications que vous avez supprimées. Plus rien ne les utilise&#xa0;: les supprimer est sans danger. Ils ne reviennent que si vous réinstallez ces applications.</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Fichiers d’installation</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>Images disque et paquets d’installation téléchargés pour installer des applications. Une fois l’application installée, son programme d’installation n’est plus nécessaire&#xa0;: les supprimer est sans danger. Ils ne reviennent pas&#xa0;: téléchargez de nouveau le programme d’installation si vous en avez besoin un jour.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>Fichiers et dossiers que vous avez placés dans la Corbeille. Les supprimer les efface définitivement&#xa0;; en cas de doute, regardez d’abord ce qu’elle contient. La Corbeille se remplit de nouveau quand vous supprimez des fichiers.</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>Afficher la Corbeille</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>Dovrel Cleaner s’est fermé de manière inattendue</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>Dovrel Cleaner s’est arrêté de manière inattendue lors de sa dernière exécution. Un rapport a été enregistré sur cet ordinateur.</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>Caches des applications</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Journaux des applications</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Restes d’applications</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navigateurs</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Pièces jointes de courriel</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Fichiers d’installation</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Corbeille</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Coup d’œil</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Lire les informations</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Toujours conserver</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>Ne plus conserver</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>«&#xa0;%1&#xa0;» sera toujours conservé. Les Préférences listent les éléments conservés.</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>Impossible d’ajouter «&#xa0;%1&#xa0;» aux éléments conservés&#xa0;: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>«&#xa0;%1&#xa0;» n’est plus conservé&#xa0;; cochez-le pour le supprimer.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Impossible de retirer «&#xa0;%1&#xa0;» des éléments conservés&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>Nettoyage terminé</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>libérés dans votre dossier personnel</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>Suppression des derniers fichiers…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Afficher la liste</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Analyser de nouveau</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>placés dans la Corbeille, libérés quand elle sera vidée</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>placés dans la Corbeille, libérés quand elle sera vidée&#xa0;; %1 supprimés définitivement</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>1&#xa0;emplacement n’a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>%1&#xa0;emplacements n’ont pas pu être supprimés.</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>Masquer la liste</translation>
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
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>Trouve les caches, journaux, restes et autres fichiers encombrants de votre dossier personnel, et supprime ce que vous choisissez.</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>À propos de Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Préférences…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>Quitter Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Envoyer un commentaire…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>Lors du nettoyage&#xa0;:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Supprimer définitivement</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>Placer dans la Corbeille</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>Lors du nettoyage</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>Rappels de nettoyage</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>Vous rappeler de faire le ménage&#xa0;?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>Dovrel Cleaner peut vous rappeler de faire le ménage toutes les quelques semaines. Le rappel démarre avec votre session&#xa0;; vous pouvez le désactiver à tout moment dans les Préférences.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Pas maintenant</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Me le rappeler</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>Envoyer un commentaire</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>Dites-nous ce qui vous plaît, ce qui manque ou ce qui n’a pas fonctionné. Votre message est enregistré dans un fichier texte du dossier «&#xa0;%1&#xa0;» sur cet ordinateur&#xa0;; rien n’est envoyé sur le réseau.</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>Votre commentaire</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>Merci. Votre commentaire a été enregistré dans le fichier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>Votre commentaire n’a pas pu être enregistré dans le dossier «&#xa0;%1&#xa0;». Votre texte est toujours là&#xa0;: copiez-le avant de fermer cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>Fin du nettoyage…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>Arrêter maintenant</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>Dovrel Cleaner se fermera dès qu’il aura fini de supprimer l’élément en cours. Le reste de votre sélection reste en place.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>%1 supprimés jusqu’ici</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>Autoriser</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>Choisissez votre dossier personnel</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>Choisissez le dossier Applications</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas votre dossier personnel. Veuillez choisir le dossier nommé «&#xa0;%2&#xa0;» (%3).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un dossier Applications. Veuillez choisir le dossier nommé «&#xa0;Applications&#xa0;» (%2).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un dossier Applications. Veuillez choisir un dossier nommé «&#xa0;Applications&#xa0;».</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>C’est l’heure du ménage</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>L’analyse intelligente passe en revue les caches, les journaux, les restes d’applications supprimées, les données des navigateurs, les pièces jointes de courriel, les programmes d’installation et la Corbeille.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analyser</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>Lance une analyse intelligente</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>Caches des applications</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Journaux des applications</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Restes d’applications</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navigateurs</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Pièces jointes de courriel</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Fichiers d’installation</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Corbeille</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>Lien symbolique</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (tube nommé)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>Périphérique en mode caractère</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>Périphérique en mode bloc</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemInfoWindow</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>Sur le disque</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Autorisations</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1, moins que sa taille&#xa0;: certains fichiers qu’il contient sont creux ou compressés et occupent moins de place sur le disque que leur contenu</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1, moins que sa taille&#xa0;: le fichier est creux ou compressé et occupe moins de place sur le disque que son contenu</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>Informations sur %1</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>Cet élément n’existe plus.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2&#xa0;octets)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>, tout n’a pas pu être lu</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>Organisation du dossier personnel&#xa0;:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>Organisation du dossier personnel</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>Dovrel Cleaner doit lire des fichiers protégés</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>Certaines données de votre dossier personnel, comme les fichiers des navigateurs sous Library, ne sont lisibles qu’avec un accès complet. Sans lui, Dovrel Cleaner ne peut ni les mesurer ni les nettoyer.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>Autorisez votre compte à les lire</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>Sous Linux, il n’y a pas de liste d’accès complet au disque&#xa0;: un fichier est lisible quand votre compte a le droit de le lire. Appuyez sur «&#xa0;Ouvrir les réglages&#xa0;» pour afficher le fichier protégé dans votre gestionnaire de fichiers, ouvrez ses Propriétés et autorisez la lecture pour votre compte. Si Dovrel Cleaner s’exécute dans un bac à sable (Flatpak ou Snap), donnez-lui aussi accès à votre dossier personnel dans les réglages d’autorisations de ce système.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>Vérifier l’accès</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>Une fois la lecture autorisée, appuyez sur «&#xa0;Confirmer&#xa0;». Dovrel Cleaner vérifie l’accès et ferme cette fenêtre dès qu’il peut lire les fichiers protégés.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Rappels</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>Me rappeler régulièrement de faire le ménage</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>Un petit assistant démarre avec votre session et vous prévient quand il est temps de faire le ménage.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>Éléments conservés</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>Jamais proposés à la suppression, avec tout leur contenu.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>Retirer l’élément conservé</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Ajouter…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>Ajouter un dossier à conserver…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>Nettoyé jusqu’ici</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Modifier…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>Changer de dossier personnel…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>Changer de dossier Applications…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>%1 supprimés au total.</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>Rien n’a encore été nettoyé.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>Impossible de retirer «&#xa0;%1&#xa0;» des éléments conservés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>Conserver un dossier</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Toujours conserver</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>Impossible de conserver «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Non choisi</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>Aucun dossier n’est encore autorisé.</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>Ce dossier n’existe plus. Veuillez le choisir de nouveau.</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>Ce dossier a été remplacé depuis que vous l’avez autorisé. Veuillez le choisir de nouveau.</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>Ce dossier ne s’appelle pas «&#xa0;%1&#xa0;». Veuillez choisir le bon.</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Nettoyage</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>Cette image est trop grande pour être prévisualisée.</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>Cette image est illisible.</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>Ce document est trop volumineux pour être prévisualisé.</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>Ce document est illisible.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>«&#xa0;%1&#xa0;» n’existe plus.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Image d’aperçu</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>Début du fichier</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Contenu du dossier</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>Seul le début du fichier est affiché.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>Seul le premier élément est listé.</numerusform>
            <numerusform>Seuls les %n premiers éléments sont listés.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 item, %1</source>
        <translation>1&#xa0;élément, %1</translation>
    </message>
    <message numerus="yes">
        <source>%n items, %1</source>
        <translation>
            <numerusform>%n élément, %1</numerusform>
            <numerusform>%n éléments, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>Pointe vers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Modifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>Dernière ouverture&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>Ouvrir les réglages</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>Étape %1 sur 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>Accès complet au disque</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>Ouverture du gestionnaire de fichiers…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>Aucun gestionnaire de fichiers n’a pu être ouvert pour afficher «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>Non analysé&#xa0;: «&#xa0;%1&#xa0;» est un lien symbolique, et sa cible ne fait pas partie de votre dossier personnel.</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>Laissé tel quel&#xa0;: «&#xa0;%1&#xa0;», car son fichier .trashinfo n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>Un autre emplacement a été ignoré pour une raison semblable.</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>%1 autres emplacements ont été ignorés pour des raisons semblables.</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>Autoriser l’accès à vos dossiers</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>Dovrel Cleaner ne cherche des fichiers encombrants que là où vous l’y autorisez. Veuillez choisir votre dossier personnel et le dossier Applications.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>le dossier nommé «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>le dossier nommé «&#xa0;Applications&#xa0;»</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>Autoriser le dossier personnel</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>Autoriser le dossier Applications</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>Pourquoi Dovrel Cleaner a-t-il besoin d’accès&#xa0;?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>Dovrel Cleaner ne cherche des fichiers encombrants que là où vous l’y autorisez. Veuillez choisir votre dossier personnel.</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ Dossier personnel autorisé</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ Applications autorisé</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ouvert comme dossier. Veuillez le choisir de nouveau.</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Pourquoi Dovrel Cleaner a besoin d’accès</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>Dovrel Cleaner lit uniquement les dossiers que vous autorisez.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Il cherche dans votre dossier personnel les caches, les journaux, les restes d’applications supprimées, les données des navigateurs, les pièces jointes de courriel, les programmes d’installation et la Corbeille. Il lit le dossier Applications pour savoir quelles applications sont encore installées, afin que leurs données ne soient jamais prises pour des restes. Rien n’est supprimé tant que vous ne l’avez pas choisi et que vous n’avez pas appuyé sur le bouton de suppression.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Il cherche dans votre dossier personnel les caches, les journaux, les restes d’applications supprimées, les données des navigateurs, les pièces jointes de courriel, les programmes d’installation et la Corbeille. Il apprend quelles applications sont encore installées grâce à la liste des applications du système, afin que leurs données ne soient jamais prises pour des restes. Rien n’est supprimé tant que vous ne l’avez pas choisi et que vous n’avez pas appuyé sur le bouton de suppression.</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Ouvrir la page web</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>Aucun navigateur web n’a pu être ouvert. La page se trouve à l’adresse %1.</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>Barre de défilement</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>Choisissez les navigateurs à nettoyer</translation>
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
        <translation>Les navigateurs décochés conservent leurs données.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>conservés&#xa0;: %1</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>toujours conservé</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>Fermez %1 pour nettoyer ses données de sites</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>Rien trouvé</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>Résultats de l’analyse</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>Cochez ce qu’il faut supprimer. Espace coche la ligne sélectionnée&#xa0;; les flèches ouvrent et ferment une catégorie.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Masquer %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Afficher %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>Résultats de l’analyse intelligente</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>Décochez ce que vous voulez garder. Tout ce qui est coché est supprimé définitivement.</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>sélectionnés</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>Supprimer les éléments cochés</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>Taille sélectionnée</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>Taille sélectionnée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>La liste des éléments conservés n’est pas disponible.</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>Décochez ce que vous voulez garder. Tout ce qui est coché va dans la Corbeille.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>Suppression des fichiers sélectionnés…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>Les fichiers sélectionnés sont supprimés définitivement&#xa0;; rien ne va dans la Corbeille.</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>Nettoyage terminé…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>Déplacement des fichiers sélectionnés vers la Corbeille…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>Les fichiers sélectionnés vont dans la Corbeille&#xa0;; ce qui s’y trouvait déjà est supprimé définitivement.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>Recherche des fichiers que vous pouvez supprimer sans risque…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>Attente de la fin du dernier nettoyage…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>Analyse de «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>Il est temps de nettoyer votre Mac</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>Lancez Dovrel Cleaner et nettoyez votre Mac.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Lancer</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>Réglages mis de côté</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>Un fichier de réglages n’a pas pu être utilisé tel quel. Il a été conservé sous le nom %1, et ce qui n’a pas pu être lu repart de zéro.</translation>
    </message>
</context>
</TS>
