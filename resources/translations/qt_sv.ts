<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>MainWindow</name>
    <message>
        <source>English</source>
        <translation>Engelska</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Kinesiska</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanska</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Franska</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tyska</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanska</translation>
    </message>
    <message>
        <source>Portugues</source>
        <translation>Portugisiska</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polska</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienska</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ryska</translation>
    </message>
    <message>
        <source>Netherlands</source>
        <translation>Nederländska</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Svenska</translation>
    </message>
    <message>
        <source>Burn</source>
        <translation>Bränn</translation>
    </message>
    <message>
        <source>Make bootable USB or DVD/CD from ISO</source>
        <translation>Skapa startbar USB eller dvd/cd från ISO</translation>
    </message>
    <message>
        <source>Extract</source>
        <translation>Extrahera</translation>
    </message>
    <message>
        <source>Extract content from ISO</source>
        <translation>Extrahera innehåll från ISO</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Skapa</translation>
    </message>
    <message>
        <source>Create ISO from files or folders</source>
        <translation>Skapa ISO från filer eller mappar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Redigera</translation>
    </message>
    <message>
        <source>
 Add, delete, rename 
 content in ISO file</source>
        <translation>
 Lägg till, ta bort, byt namn 
 på innehåll i ISO-filer</translation>
    </message>
    <message>
        <source>Copy Disk</source>
        <translation>Kopiera skiva</translation>
    </message>
    <message>
        <source>
 Make ISO file from 
 CD/DVD disc</source>
        <translation>
 Skapa ISO-fil 
 från cd/dvd-skiva</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>CTRL+H</source>
        <translation>CTRL+H</translation>
    </message>
    <message>
        <source>About Us(&amp;U)</source>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <source>CTRL+U</source>
        <translation>CTRL+U</translation>
    </message>
    <message>
        <source>Exit(&amp;E)</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>CTRL+E</source>
        <translation>CTRL+E</translation>
    </message>
    <message>
        <source>https://quillmere.app/help</source>
        <translation>https://quillmere.app/help</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Please drag the icon to Application folder first!</source>
        <translation>Dra först symbolen till mappen Program!</translation>
    </message>
</context>
</TS>
