<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>dovrel::AboutBrowsers</name>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Google Chrome, Firefox and Safari keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Firefox y Safari guardan cachés, datos de sitios web y miniaturas de páginas. Eliminarlos no afecta a sus marcadores, su historial ni sus contraseñas, pero es posible que algunos sitios cierren su sesión y olviden sus ajustes. Los navegadores vuelven a llenar este espacio a medida que navega.</translation>
    </message>
    <message>
        <source>Choose Browsers…</source>
        <translation>Elegir navegadores…</translation>
    </message>
    <message>
        <source>Google Chrome, Chromium and Firefox keep caches, website storage and page thumbnails. Removing them leaves your bookmarks, history and passwords alone, but websites may sign you out and forget their settings. Browsers fill this storage again as you browse.</source>
        <translation>Google Chrome, Chromium y Firefox guardan cachés, datos de sitios web y miniaturas de páginas. Eliminarlos no afecta a sus marcadores, su historial ni sus contraseñas, pero es posible que algunos sitios cierren su sesión y olviden sus ajustes. Los navegadores vuelven a llenar este espacio a medida que navega.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutCaches</name>
    <message>
        <source>Applications caches</source>
        <translation>Cachés de aplicaciones</translation>
    </message>
    <message>
        <source>Applications keep copies of data they downloaded or worked out before, so they can start and work faster. Removing caches is safe: your documents and settings stay as they are. Applications rebuild what they need as you use them, so they may start a little slower the first time.</source>
        <translation>Las aplicaciones guardan copias de datos que descargaron o calcularon antes para poder iniciarse y trabajar más rápido. Eliminar las cachés es seguro: sus documentos y ajustes se quedan como están. Las aplicaciones reconstruyen lo que necesitan a medida que las usa, así que la primera vez pueden tardar un poco más en iniciarse.</translation>
    </message>
    <message>
        <source>Show Caches Folder</source>
        <translation>Mostrar carpeta de cachés</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutLogs</name>
    <message>
        <source>Applications logs</source>
        <translation>Registros de aplicaciones</translation>
    </message>
    <message>
        <source>Applications and the system write notes about their work and their errors into log files. Nothing needs old logs to run, so removing them is safe. New logs are written as applications keep running.</source>
        <translation>Las aplicaciones y el sistema anotan su actividad y sus errores en archivos de registro. Nada necesita los registros antiguos para funcionar, así que eliminarlos es seguro. Se escriben registros nuevos mientras las aplicaciones siguen funcionando.</translation>
    </message>
    <message>
        <source>Show Logs Folder</source>
        <translation>Mostrar carpeta de registros</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutMails</name>
    <message>
        <source>Mail attachments</source>
        <translation>Adjuntos de correo</translation>
    </message>
    <message>
        <source>Mail, Airmail and Spark keep copies of attachments and downloaded messages on your disk. Removing them is safe as long as your mail stays on the mail server: messages and their attachments are downloaded again when you open them.</source>
        <translation>Mail, Airmail y Spark guardan en su disco copias de los adjuntos y de los mensajes descargados. Eliminarlos es seguro siempre que su correo permanezca en el servidor: los mensajes y sus adjuntos se vuelven a descargar al abrirlos.</translation>
    </message>
    <message>
        <source>Show Downloads Folder</source>
        <translation>Mostrar carpeta de descargas</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutPopover</name>
    <message>
        <source>Applications remainders</source>
        <translation>Restos de aplicaciones</translation>
    </message>
    <message>
        <source>Settings, caches and support files left behind by applications you have removed. Nothing uses them any more, so removing them is safe. They come back only if you install those applications again.</source>
        <translation>Ajustes, cachés y archivos de soporte que dejaron las aplicaciones que ha eliminado. Ya nada los usa, así que eliminarlos es seguro. Solo vuelven si instala esas aplicaciones de nuevo.</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Archivos de instalación</translation>
    </message>
    <message>
        <source>Disk images and installer packages you downloaded to install applications. Once an application is installed its installer is no longer needed, so removing them is safe. They do not come back: download the installer again if you ever need it.</source>
        <translation>Imágenes de disco y paquetes de instalación que descargó para instalar aplicaciones. Una vez instalada la aplicación, su instalador ya no hace falta, así que eliminarlos es seguro. No vuelven: descargue de nuevo el instalador si algún día lo necesita.</translation>
    </message>
</context>
<context>
    <name>dovrel::AboutTrash</name>
    <message>
        <source>Trash Bin</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>Files and folders you moved to the Trash. Removing them deletes them for good, so look inside first if you are not sure. The Trash fills again as you delete files.</source>
        <translation>Archivos y carpetas que ha movido a la Papelera. Eliminarlos los borra definitivamente, así que revise su contenido primero si no está seguro. La Papelera se vuelve a llenar a medida que borra archivos.</translation>
    </message>
    <message>
        <source>Show Trash</source>
        <translation>Mostrar Papelera</translation>
    </message>
</context>
<context>
    <name>dovrel::AppDelegate</name>
    <message>
        <source>Dovrel Cleaner quit unexpectedly</source>
        <translation>Dovrel Cleaner se cerró inesperadamente</translation>
    </message>
    <message>
        <source>Dovrel Cleaner stopped unexpectedly the last time it ran. A report was saved on this computer.</source>
        <translation>Dovrel Cleaner se detuvo inesperadamente la última vez que se ejecutó. Se guardó un informe en este equipo.</translation>
    </message>
</context>
<context>
    <name>dovrel::CategoryTable</name>
    <message>
        <source>Applications caches</source>
        <translation>Cachés de aplicaciones</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Registros de aplicaciones</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Restos de aplicaciones</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Adjuntos de correo</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Archivos de instalación</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Papelera</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanItemMenu</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Quick Look</source>
        <translation>Vista rápida</translation>
    </message>
    <message>
        <source>Get Info</source>
        <translation>Obtener información</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Conservar siempre</translation>
    </message>
    <message>
        <source>Stop Keeping</source>
        <translation>Dejar de conservar</translation>
    </message>
    <message>
        <source>“%1” will always be kept. Preferences lists what is kept.</source>
        <translation>«%1» se conservará siempre. En Preferencias verá lo que se conserva.</translation>
    </message>
    <message>
        <source>“%1” could not be added to the kept items: %2</source>
        <translation>No se pudo añadir «%1» a los elementos conservados: %2</translation>
    </message>
    <message>
        <source>“%1” is no longer kept; tick it to remove it.</source>
        <translation>«%1» ya no se conserva; márquelo para eliminarlo.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>No se pudo quitar «%1» de los elementos conservados: %2</translation>
    </message>
</context>
<context>
    <name>dovrel::CleanedViewController</name>
    <message>
        <source>Cleanup finished</source>
        <translation>Limpieza terminada</translation>
    </message>
    <message>
        <source>cleaned from your home folder</source>
        <translation>liberados en su carpeta personal</translation>
    </message>
    <message>
        <source>Still removing the last files...</source>
        <translation>Eliminando los últimos archivos…</translation>
    </message>
    <message>
        <source>Show List</source>
        <translation>Mostrar lista</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Scan Again</source>
        <translation>Analizar de nuevo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied</source>
        <translation>movidos a la Papelera; se liberarán al vaciarla</translation>
    </message>
    <message>
        <source>moved to the Trash, freed when it is emptied; %1 removed for good</source>
        <translation>movidos a la Papelera; se liberarán al vaciarla; %1 eliminados definitivamente</translation>
    </message>
    <message>
        <source>1 location could not be removed.</source>
        <translation>No se pudo eliminar 1 ubicación.</translation>
    </message>
    <message>
        <source>%1 locations could not be removed.</source>
        <translation>No se pudieron eliminar %1 ubicaciones.</translation>
    </message>
    <message>
        <source>Hide List</source>
        <translation>Ocultar lista</translation>
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
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Finds caches, logs, leftovers and other clutter in your home folder and removes what you choose.</source>
        <translation>Encuentra cachés, registros, restos y otros archivos innecesarios en su carpeta personal y elimina lo que usted elija.</translation>
    </message>
    <message>
        <source>&amp;Dovrel Cleaner</source>
        <translation>&amp;Dovrel Cleaner</translation>
    </message>
    <message>
        <source>About Dovrel Cleaner</source>
        <translation>Acerca de Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferencias…</translation>
    </message>
    <message>
        <source>Quit Dovrel Cleaner</source>
        <translation>Salir de Dovrel Cleaner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Enviar comentarios…</translation>
    </message>
</context>
<context>
    <name>dovrel::CleaningChoice</name>
    <message>
        <source>When cleaning:</source>
        <translation>Al limpiar:</translation>
    </message>
    <message>
        <source>Delete permanently</source>
        <translation>Eliminar definitivamente</translation>
    </message>
    <message>
        <source>Move to the Trash</source>
        <translation>Mover a la Papelera</translation>
    </message>
    <message>
        <source>When cleaning</source>
        <translation>Al limpiar</translation>
    </message>
</context>
<context>
    <name>dovrel::EnableSchedulerViewController</name>
    <message>
        <source>Cleanup reminders</source>
        <translation>Recordatorios de limpieza</translation>
    </message>
    <message>
        <source>Remind me to clean up?</source>
        <translation>¿Quiere que le recordemos limpiar?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner can remind you to clean up every few weeks. The reminder starts with your session; you can switch it off in Preferences at any time.</source>
        <translation>Dovrel Cleaner puede recordarle que haga limpieza cada pocas semanas. El recordatorio se inicia con su sesión; puede desactivarlo en Preferencias en cualquier momento.</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message>
        <source>Remind Me</source>
        <translation>Recordármelo</translation>
    </message>
</context>
<context>
    <name>dovrel::FeedbackDialog</name>
    <message>
        <source>Send Feedback</source>
        <translation>Enviar comentarios</translation>
    </message>
    <message>
        <source>Tell us what you like, what is missing or what went wrong. Your message is saved as a text file in the folder “%1” on this computer; nothing is sent over the network.</source>
        <translation>Cuéntenos qué le gusta, qué falta o qué ha fallado. Su mensaje se guarda como archivo de texto en la carpeta «%1» de este equipo; no se envía nada por la red.</translation>
    </message>
    <message>
        <source>Your feedback</source>
        <translation>Sus comentarios</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Thank you. Your feedback was saved in the file “%1”.</source>
        <translation>Gracias. Sus comentarios se guardaron en el archivo «%1».</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Your feedback could not be saved in the folder “%1”. Your text is still here: copy it before you close this window.</source>
        <translation>No se pudieron guardar sus comentarios en la carpeta «%1». Su texto sigue aquí: cópielo antes de cerrar esta ventana.</translation>
    </message>
</context>
<context>
    <name>dovrel::FinishingCleanupNotice</name>
    <message>
        <source>Finishing the cleanup…</source>
        <translation>Terminando la limpieza…</translation>
    </message>
    <message>
        <source>Stop Now</source>
        <translation>Detener ahora</translation>
    </message>
    <message>
        <source>Dovrel Cleaner quits as soon as it has finished removing the item it is working on. The rest of your selection stays where it is.</source>
        <translation>Dovrel Cleaner se cerrará en cuanto termine de eliminar el elemento en el que está trabajando. El resto de su selección se queda donde está.</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>%1 removed so far</source>
        <translation>%1 eliminados hasta ahora</translation>
    </message>
</context>
<context>
    <name>dovrel::FolderGrants</name>
    <message>
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message>
        <source>Choose Your Home Folder</source>
        <translation>Elija su carpeta personal</translation>
    </message>
    <message>
        <source>Choose the Applications Folder</source>
        <translation>Elija la carpeta Aplicaciones</translation>
    </message>
    <message>
        <source>“%1” is not your home folder. Please choose the folder named “%2” (%3).</source>
        <translation>«%1» no es su carpeta personal. Elija la carpeta llamada «%2» (%3).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose the folder named “Applications” (%2).</source>
        <translation>«%1» no es una carpeta de aplicaciones. Elija la carpeta llamada «Applications» (%2).</translation>
    </message>
    <message>
        <source>“%1” is not an Applications folder. Please choose a folder named “Applications”.</source>
        <translation>«%1» no es una carpeta de aplicaciones. Elija una carpeta llamada «Applications».</translation>
    </message>
</context>
<context>
    <name>dovrel::HomeViewController</name>
    <message>
        <source>Time for a clean-up</source>
        <translation>Es hora de hacer limpieza</translation>
    </message>
    <message>
        <source>Smart Scan looks through caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash.</source>
        <translation>El análisis inteligente revisa cachés, registros, restos de aplicaciones eliminadas, datos de navegadores, adjuntos de correo, instaladores y la Papelera.</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Starts a smart scan</source>
        <translation>Inicia un análisis inteligente</translation>
    </message>
    <message>
        <source>Applications caches</source>
        <translation>Cachés de aplicaciones</translation>
    </message>
    <message>
        <source>Applications logs</source>
        <translation>Registros de aplicaciones</translation>
    </message>
    <message>
        <source>Applications remainders</source>
        <translation>Restos de aplicaciones</translation>
    </message>
    <message>
        <source>Browsers</source>
        <translation>Navegadores</translation>
    </message>
    <message>
        <source>Mail attachments</source>
        <translation>Adjuntos de correo</translation>
    </message>
    <message>
        <source>Installation files</source>
        <translation>Archivos de instalación</translation>
    </message>
    <message>
        <source>Trash Bin</source>
        <translation>Papelera</translation>
    </message>
</context>
<context>
    <name>dovrel::ItemFacts</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Symbolic link</source>
        <translation>Enlace simbólico</translation>
    </message>
    <message>
        <source>FIFO (named pipe)</source>
        <translation>FIFO (tubería con nombre)</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Character device</source>
        <translation>Dispositivo de caracteres</translation>
    </message>
    <message>
        <source>Block device</source>
        <translation>Dispositivo de bloques</translation>
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
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>On disk</source>
        <translation>En disco</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Creado</translation>
    </message>
    <message>
        <source>Permissions</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>Owner</source>
        <translation>Propietario</translation>
    </message>
    <message>
        <source>%1, less than its size: some files in it are sparse or compressed and take less room on the disk than they hold</source>
        <translation>%1, menos que su tamaño: algunos archivos que contiene son dispersos o están comprimidos y ocupan en el disco menos espacio del que contienen</translation>
    </message>
    <message>
        <source>%1, less than its size: the file is sparse or compressed and takes less room on the disk than it holds</source>
        <translation>%1, menos que su tamaño: el archivo es disperso o está comprimido y ocupa en el disco menos espacio del que contiene</translation>
    </message>
    <message>
        <source>%1 Info</source>
        <translation>Información de %1</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>This item is no longer there.</source>
        <translation>Este elemento ya no existe.</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 bytes)</translation>
    </message>
    <message>
        <source>, not all of it could be read</source>
        <translation>, no se pudo leer todo</translation>
    </message>
</context>
<context>
    <name>dovrel::LayoutChoice</name>
    <message>
        <source>Home folder layout:</source>
        <translation>Estructura de la carpeta personal:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>Home folder layout</source>
        <translation>Estructura de la carpeta personal</translation>
    </message>
</context>
<context>
    <name>dovrel::Page1PrivacyFullDisk</name>
    <message>
        <source>Dovrel Cleaner needs to read protected files</source>
        <translation>Dovrel Cleaner necesita leer archivos protegidos</translation>
    </message>
    <message>
        <source>Some data in your home folder, such as the browser files under Library, can only be read with full access. Without it Dovrel Cleaner cannot measure or clean them.</source>
        <translation>Algunos datos de su carpeta personal, como los archivos de los navegadores en Library, solo se pueden leer con acceso completo. Sin él, Dovrel Cleaner no puede medirlos ni limpiarlos.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page2PrivacyFullDisk</name>
    <message>
        <source>Allow your account to read them</source>
        <translation>Permita que su cuenta los lea</translation>
    </message>
    <message>
        <source>On Linux there is no Full Disk Access list: a file can be read when your account has read permission for it. Press “Open Settings” to show the protected file in your file manager, open its Properties and allow reading for your account. If Dovrel Cleaner runs in a sandbox (Flatpak or Snap), also give it access to your home folder in that system&apos;s permission settings.</source>
        <translation>En Linux no existe una lista de acceso total al disco: un archivo se puede leer cuando su cuenta tiene permiso de lectura sobre él. Pulse «Abrir configuración» para mostrar el archivo protegido en su gestor de archivos, abra sus Propiedades y permita la lectura a su cuenta. Si Dovrel Cleaner se ejecuta en un entorno aislado (Flatpak o Snap), dele también acceso a su carpeta personal en la configuración de permisos de ese sistema.</translation>
    </message>
</context>
<context>
    <name>dovrel::Page3PrivacyFullDisk</name>
    <message>
        <source>Check the access</source>
        <translation>Comprobar el acceso</translation>
    </message>
    <message>
        <source>When you have allowed reading, press “Confirm”. Dovrel Cleaner checks the access and closes this window once it can read the protected files.</source>
        <translation>Cuando haya permitido la lectura, pulse «Confirmar». Dovrel Cleaner comprueba el acceso y cierra esta ventana en cuanto puede leer los archivos protegidos.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreferencesViewController</name>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Reminders</source>
        <translation>Recordatorios</translation>
    </message>
    <message>
        <source>Remind me to clean up regularly</source>
        <translation>Recordarme limpiar con regularidad</translation>
    </message>
    <message>
        <source>A small helper starts with your session and tells you when it is time for a clean-up.</source>
        <translation>Un pequeño asistente se inicia con su sesión y le avisa cuando es hora de hacer limpieza.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>Kept Items</source>
        <translation>Elementos conservados</translation>
    </message>
    <message>
        <source>Never offered for removal, with everything inside them.</source>
        <translation>Nunca se proponen para eliminar, con todo su contenido.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove Kept Item</source>
        <translation>Quitar elemento conservado</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Añadir…</translation>
    </message>
    <message>
        <source>Add Kept Folder…</source>
        <translation>Añadir carpeta conservada…</translation>
    </message>
    <message>
        <source>Cleaned So Far</source>
        <translation>Limpiado hasta ahora</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>Cambiar…</translation>
    </message>
    <message>
        <source>Change Home Folder…</source>
        <translation>Cambiar carpeta personal…</translation>
    </message>
    <message>
        <source>Change Applications Folder…</source>
        <translation>Cambiar carpeta de aplicaciones…</translation>
    </message>
    <message>
        <source>%1 removed in all clean-ups.</source>
        <translation>%1 eliminados en todas las limpiezas.</translation>
    </message>
    <message>
        <source>Nothing has been cleaned yet.</source>
        <translation>Todavía no se ha limpiado nada.</translation>
    </message>
    <message>
        <source>“%1” could not be taken off the kept items: %2</source>
        <translation>No se pudo quitar «%1» de los elementos conservados: %2</translation>
    </message>
    <message>
        <source>Keep a Folder</source>
        <translation>Conservar una carpeta</translation>
    </message>
    <message>
        <source>Always Keep</source>
        <translation>Conservar siempre</translation>
    </message>
    <message>
        <source>“%1” could not be kept: %2</source>
        <translation>No se pudo conservar «%1»: %2</translation>
    </message>
    <message>
        <source>Not chosen</source>
        <translation>Sin elegir</translation>
    </message>
    <message>
        <source>No folder is allowed yet.</source>
        <translation>Aún no se ha permitido ninguna carpeta.</translation>
    </message>
    <message>
        <source>This folder is gone. Please choose it again.</source>
        <translation>Esta carpeta ya no existe. Elíjala de nuevo.</translation>
    </message>
    <message>
        <source>This folder was replaced since you allowed it. Please choose it again.</source>
        <translation>Esta carpeta se ha sustituido desde que la permitió. Elíjala de nuevo.</translation>
    </message>
    <message>
        <source>This folder is not named “%1”. Please choose the right one.</source>
        <translation>Esta carpeta no se llama «%1». Elija la correcta.</translation>
    </message>
    <message>
        <source>Cleaning</source>
        <translation>Limpieza</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewLoader</name>
    <message>
        <source>This image is too large to preview.</source>
        <translation>Esta imagen es demasiado grande para previsualizarla.</translation>
    </message>
    <message>
        <source>This image cannot be read.</source>
        <translation>No se puede leer esta imagen.</translation>
    </message>
    <message>
        <source>This document is too large to preview.</source>
        <translation>Este documento es demasiado grande para previsualizarlo.</translation>
    </message>
    <message>
        <source>This document cannot be read.</source>
        <translation>No se puede leer este documento.</translation>
    </message>
    <message>
        <source>“%1” is no longer there.</source>
        <translation>«%1» ya no existe.</translation>
    </message>
</context>
<context>
    <name>dovrel::PreviewPanel</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Preview picture</source>
        <translation>Imagen de vista previa</translation>
    </message>
    <message>
        <source>Start of the file</source>
        <translation>Inicio del archivo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Folder contents</source>
        <translation>Contenido de la carpeta</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Only the start of the file is shown.</source>
        <translation>Solo se muestra el inicio del archivo.</translation>
    </message>
    <message numerus="yes">
        <source>Only the first %n items are listed.</source>
        <translation>
            <numerusform>Solo se muestra el primer elemento.</numerusform>
            <numerusform>Solo se muestran los primeros %n elementos.</numerusform>
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
            <numerusform>%n elementos, %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Points to: %1</source>
        <translation>Apunta a: %1</translation>
    </message>
    <message>
        <source>Created: %1</source>
        <translation>Creado: %1</translation>
    </message>
    <message>
        <source>Modified: %1</source>
        <translation>Modificado: %1</translation>
    </message>
    <message>
        <source>Last opened: %1</source>
        <translation>Última apertura: %1</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyDiskAccessViewController</name>
    <message>
        <source>Open Settings</source>
        <translation>Abrir configuración</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskPage</name>
    <message>
        <source>Step %1 of 3</source>
        <translation>Paso %1 de 3</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>dovrel::PrivacyFullDiskWindowController</name>
    <message>
        <source>Full Disk Access</source>
        <translation>Acceso total al disco</translation>
    </message>
</context>
<context>
    <name>dovrel::RevealNotice</name>
    <message>
        <source>Opening the file manager…</source>
        <translation>Abriendo el gestor de archivos…</translation>
    </message>
    <message>
        <source>No file manager could be opened to show “%1”.</source>
        <translation>No se pudo abrir ningún gestor de archivos para mostrar «%1».</translation>
    </message>
    <message>
        <source>Not scanned: “%1” is a symbolic link, and what it leads to is not part of your home folder.</source>
        <translation>Sin analizar: «%1» es un enlace simbólico y su destino no forma parte de su carpeta personal.</translation>
    </message>
    <message>
        <source>Left alone: “%1”, because its .trashinfo file is not a regular file.</source>
        <translation>Sin tocar: «%1», porque su archivo .trashinfo no es un archivo normal.</translation>
    </message>
    <message>
        <source>One more place was left out for a like reason.</source>
        <translation>Se omitió otra ubicación por un motivo similar.</translation>
    </message>
    <message>
        <source>%1 more places were left out for like reasons.</source>
        <translation>Se omitieron %1 ubicaciones más por motivos similares.</translation>
    </message>
</context>
<context>
    <name>dovrel::SandboxViewController</name>
    <message>
        <source>Allow access to your folders</source>
        <translation>Permitir el acceso a sus carpetas</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder and the Applications folder.</source>
        <translation>Dovrel Cleaner solo busca archivos innecesarios donde usted le deja. Elija su carpeta personal y la carpeta Aplicaciones.</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>the folder named “%1”</source>
        <translation>la carpeta llamada «%1»</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Aplicaciones</translation>
    </message>
    <message>
        <source>the folder named “Applications”</source>
        <translation>la carpeta llamada «Applications»</translation>
    </message>
    <message>
        <source>Allow Home Folder</source>
        <translation>Permitir carpeta personal</translation>
    </message>
    <message>
        <source>Allow Applications Folder</source>
        <translation>Permitir carpeta Aplicaciones</translation>
    </message>
    <message>
        <source>Why does Dovrel Cleaner need access?</source>
        <translation>¿Por qué necesita acceso Dovrel Cleaner?</translation>
    </message>
    <message>
        <source>Dovrel Cleaner looks for clutter only where you let it. Please choose your home folder.</source>
        <translation>Dovrel Cleaner solo busca archivos innecesarios donde usted le deja. Elija su carpeta personal.</translation>
    </message>
    <message>
        <source>✓ Home Folder Allowed</source>
        <translation>✓ Carpeta personal permitida</translation>
    </message>
    <message>
        <source>✓ Applications Allowed</source>
        <translation>✓ Aplicaciones permitida</translation>
    </message>
    <message>
        <source>“%1” cannot be opened as a folder. Please choose it again.</source>
        <translation>«%1» no se puede abrir como carpeta. Elíjala de nuevo.</translation>
    </message>
    <message>
        <source>Why Dovrel Cleaner needs access</source>
        <translation>Por qué necesita acceso Dovrel Cleaner</translation>
    </message>
    <message>
        <source>Dovrel Cleaner only reads the folders you allow.</source>
        <translation>Dovrel Cleaner solo lee las carpetas que usted permite.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It reads the Applications folder to learn which applications are still installed, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Busca en su carpeta personal cachés, registros, restos de aplicaciones eliminadas, datos de navegadores, adjuntos de correo, instaladores y la Papelera. Lee la carpeta Aplicaciones para saber qué aplicaciones siguen instaladas, de modo que lo que guardan nunca se tome por restos. No se elimina nada hasta que usted lo elige y pulsa el botón de eliminar.</translation>
    </message>
    <message>
        <source>It looks for caches, logs, leftovers of removed applications, browser data, mail attachments, installers and the Trash inside your home folder. It learns which applications are still installed from the system&apos;s application list, so that what they keep is never taken for a leftover. Nothing is removed until you have chosen it and pressed the remove button.</source>
        <translation>Busca en su carpeta personal cachés, registros, restos de aplicaciones eliminadas, datos de navegadores, adjuntos de correo, instaladores y la Papelera. Sabe qué aplicaciones siguen instaladas por la lista de aplicaciones del sistema, de modo que lo que guardan nunca se tome por restos. No se elimina nada hasta que usted lo elige y pulsa el botón de eliminar.</translation>
    </message>
    <message>
        <source>Open Web Page</source>
        <translation>Abrir página web</translation>
    </message>
    <message>
        <source>No web browser could be opened. The page is at %1.</source>
        <translation>No se pudo abrir ningún navegador web. La página está en %1.</translation>
    </message>
</context>
<context>
    <name>dovrel::Scroller</name>
    <message>
        <source>Scroll bar</source>
        <translation>Barra de desplazamiento</translation>
    </message>
</context>
<context>
    <name>dovrel::SelectBrowsers</name>
    <message>
        <source>Choose the browsers to clean</source>
        <translation>Elija los navegadores que limpiar</translation>
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
        <translation>Los navegadores que desmarque conservan sus datos.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineModel</name>
    <message>
        <source>%1 kept</source>
        <translation>conservados: %1</translation>
    </message>
    <message>
        <source>always kept</source>
        <translation>se conserva siempre</translation>
    </message>
    <message>
        <source>Close %1 to clean its site data</source>
        <translation>Cierre %1 para limpiar sus datos de sitios</translation>
    </message>
    <message>
        <source>Nothing found</source>
        <translation>No se encontró nada</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanOutlineView</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Scan results</source>
        <translation>Resultados del análisis</translation>
    </message>
    <message>
        <source>Tick what to remove. Space ticks the focused row, the arrow keys open and close a category.</source>
        <translation>Marque lo que quiere eliminar. La barra espaciadora marca la fila seleccionada; las flechas abren y cierran una categoría.</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>Ocultar %1</translation>
    </message>
    <message>
        <source>Show %1</source>
        <translation>Mostrar %1</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanViewController</name>
    <message>
        <source>Smart Scan results</source>
        <translation>Resultados del análisis inteligente</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked is removed for good.</source>
        <translation>Desmarque lo que quiera conservar. Todo lo marcado se elimina definitivamente.</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>seleccionado</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove the ticked items</source>
        <translation>Eliminar los elementos marcados</translation>
    </message>
    <message>
        <source>Selected size</source>
        <translation>Tamaño seleccionado</translation>
    </message>
    <message>
        <source>Selected size: %1</source>
        <translation>Tamaño seleccionado: %1</translation>
    </message>
    <message>
        <source>The keep list is not available.</source>
        <translation>La lista de elementos conservados no está disponible.</translation>
    </message>
    <message>
        <source>Untick what you want to keep. Everything ticked goes to the Trash.</source>
        <translation>Desmarque lo que quiera conservar. Todo lo marcado va a la Papelera.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartCleanupViewController</name>
    <message>
        <source>Removing the selected files...</source>
        <translation>Eliminando los archivos seleccionados…</translation>
    </message>
    <message>
        <source>Selected files are removed for good; nothing goes to the Trash.</source>
        <translation>Los archivos seleccionados se eliminan definitivamente; nada va a la Papelera.</translation>
    </message>
    <message>
        <source>Cleanup complete...</source>
        <translation>Limpieza completada…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Moving the selected files to the Trash...</source>
        <translation>Moviendo los archivos seleccionados a la Papelera…</translation>
    </message>
    <message>
        <source>Selected files go to the Trash; what was in the Trash is removed for good.</source>
        <translation>Los archivos seleccionados van a la Papelera; lo que ya había en ella se elimina definitivamente.</translation>
    </message>
</context>
<context>
    <name>dovrel::SmartScanViewController</name>
    <message>
        <source>Looking for files you can safely remove…</source>
        <translation>Buscando archivos que puede eliminar sin riesgo…</translation>
    </message>
    <message>
        <source>Waiting for the last cleanup to finish…</source>
        <translation>Esperando a que termine la última limpieza…</translation>
    </message>
    <message>
        <source>Scan in &quot;%1&quot;</source>
        <translation>Análisis en «%1»</translation>
    </message>
</context>
<context>
    <name>dovrel::agent::AppDelegate</name>
    <message>
        <source>It&apos;s time for cleanup your Mac</source>
        <translation>Es hora de limpiar su Mac</translation>
    </message>
    <message>
        <source>Launch Dovrel cleaner and perform cleanup of your Mac.</source>
        <translation>Abra Dovrel Cleaner y haga una limpieza de su Mac.</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>dovrel::main</name>
    <message>
        <source>Settings Set Aside</source>
        <translation>Ajustes apartados</translation>
    </message>
    <message>
        <source>A settings file could not be used as it was. It was kept as %1, and what could not be read starts afresh.</source>
        <translation>No se pudo usar un archivo de ajustes tal como estaba. Se guardó como %1, y lo que no se pudo leer empieza de cero.</translation>
    </message>
</context>
</TS>
