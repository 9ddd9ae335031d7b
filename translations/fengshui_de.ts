<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>Zählt zum Jahr %1: geboren vor dem %2</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>Zählt zum Jahr %1: geboren ab dem %2</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>Zählt zum Jahr %1: geboren vor Li Chun (%2)</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>Zählt zum Jahr %1: geboren am Tag von Li Chun (%2), an dem die Geburtsstunde entscheidet</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>Zählt zum Jahr %1: geboren ab Li Chun (%2)</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>Mit Jahresbeginn am 1. März wäre Ihre Kua-Zahl %1.</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>Mit Jahresbeginn am 1. März wäre die Kua-Zahl Ihres Partners %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>Mit Jahresbeginn zu Li Chun wäre Ihre Kua-Zahl %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>Mit Jahresbeginn zu Li Chun wäre die Kua-Zahl Ihres Partners %1.</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>Für diese Kua-Zahl ist keine Charakterdeutung bekannt.</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>Sie sind wie das Wasser: immer im Fluss. Von Natur aus sind Sie flexibel und anpassungsfähig. Sie wirken vielleicht beständig, sind in Wirklichkeit aber rastlos. Sie werden eine gute Führungskraft sein, denn Sie sind selbstsicher und klar in Ihren Entscheidungen. Sie haben eine magnetische Ausstrahlung.<byte value="xd"/>
<byte value="xd"/>
Das Element Wasser harmoniert mit den Elementen Baum und Metall.<byte value="xd"/>
<byte value="xd"/>
Das Element Wasser harmoniert nicht mit den Elementen Feuer und Boden</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>Sie sind geerdet und haben kräftige Wurzeln, die sich überall im Boden ausbreiten. Sie sind sehr treu und verlässlich. Zugleich können Sie stur sein und an Ihren Entscheidungen festhalten. Sie können der beste Freund oder der schlimmste Feind sein.<byte value="xd"/>
<byte value="xd"/>
Das Element Erde harmoniert mit den Elementen Feuer und Metall.<byte value="xd"/>
<byte value="xd"/>
Das Element Erde harmoniert mit den Elementen Holz und Wasser.</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>Sie sind ein tiefgründig denkender Mensch und entdecken die Dinge gern selbst. Sie sind von Natur aus diszipliniert und gehen methodisch vor. Qualität ist Ihnen wichtiger als Quantität.<byte value="xd"/>
<byte value="xd"/>
Das Element Metall harmoniert mit den Elementen Wasser und Boden.<byte value="xd"/>
<byte value="xd"/>
Das Element Metall harmoniert nicht mit den Elementen Feuer und Holz.    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>Sie widmen sich mit Hingabe Ihrer Arbeit und halten Ihre Zusagen stets ein. Sie bleiben im Herzen immer jung und streben danach, ganz nach oben zu wachsen und sich auszubreiten.<byte value="xd"/>
<byte value="xd"/>
Das Element Holz harmoniert mit den Elementen Wasser und Feuer.<byte value="xd"/>
<byte value="xd"/>
Das Element Holz harmoniert nicht mit den Elementen Feuer und Baum.</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>In Ihnen brennen viel Leidenschaft und Feuer. Sie haben eine anziehende Persönlichkeit und gehen alles stets mit Begeisterung an. Sie brauchen Menschen um sich und hassen die Einsamkeit.<byte value="xd"/>
<byte value="xd"/>
Das Element Feuer harmoniert mit den Elementen Holz und Boden.<byte value="xd"/>
<byte value="xd"/>
Das Element Feuer harmoniert nicht mit den Elementen Metall und Boden.</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <comment>group</comment>
        <translation>West</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>Erde</translation>
    </message>
    <message>
        <source>Wood</source>
        <comment>element</comment>
        <translation>Holz</translation>
    </message>
    <message>
        <source>Metal</source>
        <comment>element</comment>
        <translation>Metall</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>Feuer</translation>
    </message>
    <message>
        <source>Kan</source>
        <comment>trigram</comment>
        <translation>Kan</translation>
    </message>
    <message>
        <source>Kun</source>
        <comment>trigram</comment>
        <translation>Kun</translation>
    </message>
    <message>
        <source>Chen</source>
        <comment>trigram</comment>
        <translation>Chen</translation>
    </message>
    <message>
        <source>Sun</source>
        <comment>trigram</comment>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Chien</source>
        <comment>trigram</comment>
        <translation>Chien</translation>
    </message>
    <message>
        <source>Tui</source>
        <comment>trigram</comment>
        <translation>Tui</translation>
    </message>
    <message>
        <source>Ken</source>
        <comment>trigram</comment>
        <translation>Ken</translation>
    </message>
    <message>
        <source>Li</source>
        <comment>trigram</comment>
        <translation>Li</translation>
    </message>
    <message>
        <source>Off White</source>
        <comment>colour</comment>
        <translation>Cremeweiß</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>Cremeweiß</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>colour</comment>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>Rot</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>Violett</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>Norden</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>Nordosten</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>Osten</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>Südosten</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>Süden</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>Südwesten</translation>
    </message>
    <message>
        <source>West</source>
        <comment>direction</comment>
        <translation>Westen</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>direction</comment>
        <translation>Nordwesten</translation>
    </message>
    <message>
        <source>Excellent</source>
        <comment>rating</comment>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Very Good</source>
        <comment>rating</comment>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>Unbefriedigend</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>Schlecht</translation>
    </message>
    <message>
        <source>Disastrous</source>
        <comment>rating</comment>
        <translation>Verheerend</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Mr. %1</source>
        <translation>Herr&#xa0;%1</translation>
    </message>
    <message>
        <source>Ms. %1</source>
        <translation>Frau&#xa0;%1</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise ist ein Update für diese Software verfügbar.<byte value="xd"/>Möchten Sie nach einem Update suchen?</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Programmbild</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror beruht auf der Harmonie der Kua- oder Gua-Zahlen zweier Menschen nach der Schule der Acht Häuser im Feng Shui. Diese Software zeigt, wie Ihr persönliches Trigramm Ihren Einfluss auf andere und deren Einfluss auf Sie widerspiegelt.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Besuchen Sie uns unter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter Ihrer eigenen Marke für Ihre Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Hier klicken für Details</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmExit</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Program picture</source>
        <translation>Programmbild</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>Ja, das Diskussionsforum unter %1 öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Ihre E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Name Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>E-Mail-Adresse Ihres Freundes</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Jetzt einem Freund empfehlen</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>Ihre Nachricht
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Ihre Nachricht</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>Weitere Programme herunterladen</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>Neben diesem Programm veröffentlichen wir eine Reihe weiterer kleiner Programme für Zuhause und Büro. Jedes lässt sich kostenlos testen, schnell installieren und einfach bedienen.

Jedes Programm hat eine eigene Seite mit einer kurzen Beschreibung, einem Bild und einem Download-Link, damit Sie sehen, was es kann, bevor Sie es herunterladen.

Stöbern Sie im gesamten Katalog unter %1 und wählen Sie die Programme aus, die zu Ihnen passen.</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>Zum Programmkatalog</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Ihre Nachricht</translation>
    </message>
</context>
<context>
    <name>frmFengShuiCompatibilityResult</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Join our discussion forum at %1</source>
        <translation>Treten Sie unserem Diskussionsforum bei: %1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>Kua-Zahl nach Feng Shui </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>Ihre Kua-Zahl ist: </translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>Die nach der Schule der Acht Häuser im Feng Shui berechnete Kua- oder Gua-Zahl hilft, Wohlstand und dauerhaften Erfolg zu erlangen. Sie wird aus Ihren Geburtsdaten und Ihrem Geschlecht ermittelt.</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>Ihre Farbe ist:</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>Ihr Element ist: </translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>Ihre Gruppe:</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>nach der Kua-Zahl</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> Kua-Zahl nach Feng Shui </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Harmonie der Trigramme</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>Ihr Trigramm</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Beziehungen</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Wohlbefinden</translation>
    </message>
    <message>
        <source>Mishaps</source>
        <translation>Missgeschicke</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>Fünf Geister</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>Sechs Übel</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>Totalverlust</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>Trigramm Ihres Partners</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>Bewertung der Harmonie</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Co-Branding dieser Software für Ihre Website: Steigern Sie Besuchertreue und Besucherzahlen. Platzieren Sie hier Name und Link Ihrer Website. Details unter „Hilfe“. Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter Ihrer eigenen Marke für Ihre Website. Hier klicken für Details.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>S&amp;penden</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>Als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>&amp;Grundriss Ihres Zuhauses...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror v1.0</source>
        <translation>VA Zuvo Dada Vuvizoreduror v1.0</translation>
    </message>
    <message>
        <source>Join our discussion forum at %1</source>
        <translation>Treten Sie unserem Diskussionsforum bei: %1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror beruht auf der Berechnung der Kua- oder Gua-Zahlen zweier Menschen. Die Kua- oder Gua-Zahl wird nach der Schule der Acht Häuser im Feng Shui berechnet. Sie verhilft zu Wohlstand und dauerhaftem Erfolg und wird aus Ihren Geburtsdaten und Ihrem Geschlecht ermittelt.</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror beruht auf dem Grundsatz, dass die Kua-Zahl eines Menschen sein Schicksal deuten hilft und seine günstigen und ungünstigen Richtungen bestimmt. Menschen harmonierender Richtungsgruppen verstehen sich gut, Menschen gegensätzlicher Gruppen nicht. VA Zuvo Dada Vuvizoreduror hilft Ihnen, Ihre Beziehung nach dieser Feng-Shui-Schule zu analysieren.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Gespeicherte Deutung öffnen</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>Ihre Angaben</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Geboren</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Ihr Geburtsdatum: Tag</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Ihr Geburtsmonat</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Ihr Geburtsjahr</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Anrede</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Herr</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>Ihr Geschlecht: männlich</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Frau</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>Ihr Geschlecht: weiblich</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>Angaben zu Ihrem Partner</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Name Ihres Partners</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Geburtsdatum Ihres Partners: Tag</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Geburtsmonat Ihres Partners</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Geburtsjahr Ihres Partners</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>Geschlecht Ihres Partners: männlich</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>Geschlecht Ihres Partners: weiblich</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>Unsere Partnerschaftsharmonie &amp;ermitteln</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Gründen Sie Ihr eigenes Internetgeschäft und verdienen Sie online Geld. Erhalten Sie diese Software ganz unter Ihrer eigenen Marke für Ihre Website. Hier klicken für Details.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Co-Branding dieser Software für Ihre Website: Steigern Sie Besuchertreue und Besucherzahlen. Platzieren Sie hier Name und Link Ihrer Website. Details unter „Hilfe“. Hier klicken für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Unsere &amp;Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Nach Software-&amp;Updates suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über die Software</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>S&amp;penden</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Online Geld verdienen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>E&amp;instellungen</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>Jahr mit &amp;Li Chun (Frühlingsanfang, um den 4. Februar) beginnen</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Die Seite konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>Das Druckmodul konnte nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden; vielleicht ist der Datenträger voll.</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm wird bereits ausgeführt.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Bitte überprüfen Sie die Datei.</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>Die Datei kam nicht rechtzeitig an. Bitte versuchen Sie es später noch einmal.</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>Erstellt für ein Paar eine Feng-Shui-Deutung der Partnerschaftsharmonie nach der Schule der Acht Häuser.</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>Eine gespeicherte Deutung (.fsc), die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
„%1 --help“ liefert weitere Informationen.
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1: Es kann immer nur eine Deutung geöffnet werden; ignoriert: %2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>DATEI</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>Bitte unterstützen Sie unser Diskussionsforum: Besuchen Sie %1 regelmäßig und reden Sie mit.</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>Das Forum unter %1 lebt von seinen Besuchern. Schauen Sie ab und zu vorbei, damit es lebendig bleibt.</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>Hat Ihnen dieses Programm gefallen? Unterstützen Sie das zugehörige Diskussionsforum, indem Sie regelmäßig %1 besuchen.</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>Helfen Sie unserem Diskussionsforum zu wachsen: Machen Sie %1 zu einer der Seiten, die Sie regelmäßig besuchen.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte geben Sie Ihre E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte geben Sie Ihre Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte geben Sie die E-Mail-Adresse Ihres Freundes ein.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte geben Sie zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte geben Sie eine gültige E-Mail-Adresse ein.</translation>
    </message>
</context>
<context>
    <name>ui::Advice</name>
    <message>
        <source>%1 for %2</source>
        <extracomment>Something for someone: &quot;Health for Anna&quot;, &quot;East for you&quot;. %2 is a name, or &quot;you&quot; or &quot;your partner&quot; as translated here: a construction that takes it unchanged, such as &quot;Anna: Health&quot;, keeps the grammar right.</extracomment>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>%1 favours %2: %3</source>
        <translation>%1 (%2 im Vorteil)&#xa0;– %3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>Sie</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>Ihr Partner</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A direction and what it holds: &quot;North: Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1&#xa0;– %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The stars of one direction for several: &quot;Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Inner ring: %1. Outer ring: %2. %3 good for both.</source>
        <extracomment>%1 and %2 the two names, or &quot;you&quot; and &quot;your partner&quot;; %3 the star that marks a direction good for both</extracomment>
        <translation>Innerer Ring: %1. Äußerer Ring: %2. %3&#xa0;günstig für beide.</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>Eine Richtung ist die, in die Sie beim Sitzen oder Arbeiten blicken, und die, in die das Kopfende des Bettes zeigt. Legen Sie Norden auf den Norden Ihres Grundrisses, so wie ein Kompass ihn misst, nicht auf die Eingangstür.</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>Sie gehören derselben Gruppe an: Ihre Diagramme teilen die vier günstigen Richtungen dieser Gruppe.</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>Sie gehören verschiedenen Gruppen an: Ihre Diagramme haben keine günstige Richtung gemeinsam. Feng-Shui-Berater sehen das bei vielen Paaren und deuten es nicht als Urteil über Sie beide. Jeder von Ihnen richtet sich bei den eigenen Dingen nach dem eigenen Diagramm: Schreibtisch, Sitzplatz, die eigene Seite des Bettes.</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>Bett, Richtung des Kopfendes, die beste zuerst</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>Gemeinsames Bett, aus beiden Diagrammen ermittelt</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>Schreibtisch oder Arbeitsplatz, Blickrichtung</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>Norden</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>Nordosten</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>Osten</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>Südosten</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>Süden</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>Südwesten</translation>
    </message>
    <message>
        <source>West</source>
        <comment>inside a sentence</comment>
        <translation>Westen</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>inside a sentence</comment>
        <translation>Nordwesten</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the entries of a list that runs on as one sentence (&quot;North: Health; East: Success&quot;), with the blanks the language writes around it</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>A line along the rim: a direction good for your house.</source>
        <translation>Eine Linie am Rand: eine für Ihr Haus günstige Richtung.</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>Haus: %1</translation>
    </message>
</context>
<context>
    <name>ui::CompassChart</name>
    <message>
        <source>N</source>
        <extracomment>abbreviation of North on a compass</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>NE</source>
        <extracomment>abbreviation of North East on a compass</extracomment>
        <translation>NO</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>abbreviation of East on a compass</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>SE</source>
        <extracomment>abbreviation of South East on a compass</extracomment>
        <translation>SO</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>abbreviation of South on a compass</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <extracomment>abbreviation of South West on a compass</extracomment>
        <translation>SW</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>abbreviation of West on a compass</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>NW</source>
        <extracomment>abbreviation of North West on a compass</extracomment>
        <translation>NW</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Ihr Partner</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>Sie beide</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>Er|folg</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Gesund|heit</translation>
    </message>
    <message>
        <source>Re|la|tion|ship</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Be|zie|hun|gen</translation>
    </message>
    <message>
        <source>Per|son|al</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Wohl|be|fin|den</translation>
    </message>
    <message>
        <source>Mis|haps</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Miss|ge|schicke</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Fünf Geister</translation>
    </message>
    <message>
        <source>Six Kill|ings</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Sechs Übel</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Total|ver|lust</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>Ihre Richtungen</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>Die Richtungen Ihres Partners</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>Ihre Richtungen und die Ihres Partners</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>Ihre Richtungen und Ratschläge</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>ein %1-Haus der Ost-Gruppe</translation>
    </message>
    <message>
        <source>a %1 house of the West group</source>
        <extracomment>See &quot;a %1 house of the East group&quot;</extracomment>
        <translation>ein %1-Haus der West-Gruppe</translation>
    </message>
    <message>
        <source>Your house: %1</source>
        <translation>Ihr Haus: %1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>Geben Sie die Blickrichtung in Grad ein, von 0 bis 359,9, wie der Kompass sie anzeigt.</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1: blickt nach %2, sitzt im %3: %4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1 liegt genau auf der Grenze zwischen %2 und %3: Es ist entweder %4 oder %5. Treten Sie einen Schritt zur Seite und messen Sie noch einmal, um das zu klären.</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1: Ost-Gruppe, wie das Haus</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1: West-Gruppe, wie das Haus</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1: Ost-Gruppe in einem Haus der West-Gruppe: darin die eigenen günstigen Richtungen nutzen</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1: West-Gruppe in einem Haus der Ost-Gruppe: darin die eigenen günstigen Richtungen nutzen</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>Die Blickrichtung ist die Seite, zu der das Haus hinausschaut, meist die Seite der Haustür, nicht die eines Balkons. Stellen Sie sich draußen vor den Haupteingang, mit dem Rücken zum Haus, fern von Metall und Autos, und geben Sie die Gradzahl ein, die der Kompass zeigt (magnetischer Norden). Ohne Kompass wählen Sie die Richtung.</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>Ihr Haus</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>Blickrichtung Ihres Hauses in Grad</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>Richtung, in die Ihr Haus blickt</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Bitte wählen</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>Haus vergessen</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>Blickrichtung in Grad:</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>oder Richtung:</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>Grundriss Ihres Zuhauses...</translation>
    </message>
</context>
<context>
    <name>ui::Plan</name>
    <message>
        <source>House</source>
        <extracomment>Names the house on a plan&apos;s sector: &quot;House: Five Ghosts&quot;</extracomment>
        <translation>Haus</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Whose star, then the star, on a plan&apos;s sector: &quot;Anna: Mishaps&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The letter on the plan&apos;s north arrow</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>The middle of the home, which belongs to no direction.</source>
        <translation>Die Mitte der Wohnfläche, die zu keiner Richtung gehört.</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>Genau auf der Grenze zwischen %1 und %2: Ein Kompass in der Hand kann die beiden nicht auseinanderhalten.</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>Norden ist gegenüber der Oberkante des Grundrisses um %1 im Uhrzeigersinn gedreht.</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>Der Mittelpunkt liegt %1&#xa0;% von links und %2&#xa0;% von oben auf dem Grundriss.</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>Ihr Zuhause</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ und grün: günstig für alle Angezeigten. − und rot: ungünstig für alle Angezeigten. Ohne Farbe: für manche günstig, für andere ungünstig.</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>Diese Datei lässt sich nicht als Grundriss lesen. Bitte wählen Sie eine Bilddatei von höchstens 64 MB auf diesem Computer.</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>Diese Datei ist kein PNG- oder JPEG-Bild. Bitte wählen Sie ein Bild Ihres Grundrisses.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>Dieses Bild ist beschädigt oder unvollständig. Bitte wählen Sie eine andere Kopie davon.</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>Dieses Bild ist zu groß. Bitte wählen Sie einen Grundriss mit höchstens 40 Millionen Pixeln.</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>Das Bild kam nicht rechtzeitig an. Bitte kopieren Sie es auf diesen Computer und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Grundriss</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>Öffnen Sie ein Bild Ihres Grundrisses, eine PNG- oder JPEG-Datei, oder ziehen Sie es hierher.</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>Feng-Shui-Deutung der Partnerschaftsharmonie: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Datum: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Ihr Partner</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Richtungen</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>Kua-Zahl</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>Trigramm</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in its file name</comment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>Ihre Kua-Zahl</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>Kua-Zahl Ihres Partners</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Harmonie der Trigramme</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Bild: %1</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>Feng-Shui-Partnerschaftsharmonie</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>Rich-Text-Format (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>Die Datei konnte nicht gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Die Datei konnte nicht exportiert werden.
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>Die Deutung konnte nicht gedruckt werden.
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>Ihre Richtungen</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>Ihr Zuhause</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Grundriss öffnen...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>Norden in Grad, im Uhrzeigersinn ab der Oberkante des Grundrisses</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>An der Eingangstür ausrichten</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>Acht Sektoren</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>3 × 3 Felder</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>Das Haus</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>Was jeder Teil des Grundrisses enthält</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>Der Mittelpunkt: Denken Sie sich das Rechteck um die Wohnfläche; seine Diagonalen kreuzen sich im Mittelpunkt. Ein Teil, der um weniger als ein Drittel seiner Seite fehlt oder vorspringt, zählt als innen. Ziehen Sie den Mittelpunkt oder die Spitze des Nordpfeils. Tasten auf dem Grundriss: Die Pfeiltasten verschieben ihn, Strg und die Pfeiltasten verschieben den Mittelpunkt, + und − zoomen, 0 passt ihn ein.</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>Grundriss vergessen</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>&amp;Norden, im Uhrzeigersinn ab der Oberkante des Grundrisses:</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>Grundriss ein&amp;teilen in:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>Klicken Sie auf dem Grundriss auf die Eingangstür, oder bewegen Sie die Markierung mit den Pfeiltasten und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>Grundriss &amp;öffnen...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>Grundriss als &amp;PDF exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>Grundriss &amp;drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>Grundriss &amp;einpassen</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>Grundriss Ihres Zuhauses öffnen</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>Grundrisse (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>Der gespeicherte Grundriss Ihres Zuhauses konnte nicht wieder geöffnet werden.
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>Es gibt keinen Ordner, in dem er gespeichert werden kann.</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>Der Grundriss wird angezeigt, konnte aber nicht für den nächsten Start gespeichert werden.
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>Geben Sie die Blickrichtung Ihres Hauses auf der Registerkarte „Ihre Richtungen“ ein.</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>Die Eingangstür kann nicht der Mittelpunkt sein. Bitte wählen Sie sie erneut.</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>Der Grundriss konnte nicht gedruckt werden.
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>Grundriss als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Die Datei konnte nicht exportiert werden.
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>Bitte wählen Sie Ihre Anrede.</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Bitte geben Sie den Namen Ihres Partners ein.</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>Bitte wählen Sie die Anrede Ihres Partners.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte wählen Sie einen gültigen Tag oder Monat.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte wählen Sie einen gültigen Tag oder Monat.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Gespeicherte Deutung öffnen</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>Feng-Shui-Partnerschaftsharmonie (*.fsc)</translation>
    </message>
</context>
</TS>
