<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>Année %1 retenue&#xa0;: naissance avant le %2</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>Année %1 retenue&#xa0;: naissance à partir du %2</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>Année %1 retenue&#xa0;: naissance avant Li Chun (%2)</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>Année %1 retenue&#xa0;: naissance le jour de Li Chun (%2), où l&apos;heure de naissance tranche</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>Année %1 retenue&#xa0;: naissance à partir de Li Chun (%2)</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>En comptant à partir du 1er mars, votre nombre Kua serait %1.</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>En comptant à partir du 1er mars, le nombre Kua de votre partenaire serait %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>En comptant à partir de Li Chun, votre nombre Kua serait %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>En comptant à partir de Li Chun, le nombre Kua de votre partenaire serait %1.</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>Il n&apos;existe pas de description du caractère pour ce nombre Kua.</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>Vous serez fluide comme l&apos;eau. Vous êtes de nature souple et vous vous adaptez facilement. Vous pouvez paraître stable, mais en réalité vous ne tenez pas en place. Vous saurez bien diriger, car vous avez confiance en vous et vos décisions sont claires. Vous avez une personnalité magnétique.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Eau est compatible avec les éléments Arbre et Métal.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Eau n&apos;est pas compatible avec les éléments Feu et Sol</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>Vous avez les pieds sur terre et de solides racines qui s&apos;étendent dans tout le sol. Vous êtes d&apos;une grande loyauté et l&apos;on peut compter sur vous. En même temps, vous pouvez faire preuve d&apos;entêtement et camper sur vos décisions. Vous pouvez être le meilleur des amis ou le pire des ennemis.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Terre est compatible avec les éléments Feu et Métal.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Terre est compatible avec les éléments Bois et Eau.</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>Vous êtes un esprit profond et vous aimez découvrir les choses par vous-même. Vous avez par nature le sens de la discipline et de la méthode. Vous croyez davantage à la qualité qu&apos;à la quantité.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Métal est compatible avec les éléments Eau et Sol.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Métal n&apos;est pas compatible avec les éléments Feu et Bois.    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>Vous vous investissez dans votre travail et tenez toujours vos engagements. Vous restez toujours jeune de cœur et visez à atteindre le sommet et à vous déployer.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Bois est compatible avec les éléments Eau et Feu.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Bois n&apos;est pas compatible avec les éléments Feu et Arbre.</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>Une grande passion, un vrai feu brûle en vous. Votre personnalité est attirante et vous entreprenez tout avec enthousiasme. Vous avez besoin de monde autour de vous et détestez la solitude.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Feu est compatible avec les éléments Bois et Sol.<byte value="xd"/>
<byte value="xd"/>
L&apos;élément Feu n&apos;est pas compatible avec les éléments Métal et Sol.</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <comment>group</comment>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>Terre</translation>
    </message>
    <message>
        <source>Wood</source>
        <comment>element</comment>
        <translation>Bois</translation>
    </message>
    <message>
        <source>Metal</source>
        <comment>element</comment>
        <translation>Métal</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>Feu</translation>
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
        <translation>Blanc cassé</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>Blanc cassé</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>colour</comment>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>Violet</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>Nord</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>Nord-Est</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>Est</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>Sud-Est</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>Sud</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>Sud-Ouest</translation>
    </message>
    <message>
        <source>West</source>
        <comment>direction</comment>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>direction</comment>
        <translation>Nord-Ouest</translation>
    </message>
    <message>
        <source>Excellent</source>
        <comment>rating</comment>
        <translation>Excellente</translation>
    </message>
    <message>
        <source>Very Good</source>
        <comment>rating</comment>
        <translation>Très bonne</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>Insatisfaisante</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>Mauvaise</translation>
    </message>
    <message>
        <source>Disastrous</source>
        <comment>rating</comment>
        <translation>Désastreuse</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Mr. %1</source>
        <translation>M.&#xa0;%1</translation>
    </message>
    <message>
        <source>Ms. %1</source>
        <translation>Mme&#xa0;%1</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.<byte value="xd"/>Voulez-vous rechercher une mise à jour&#xa0;?</translation>
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
        <translation>Image du programme</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror repose sur la compatibilité des nombres Kua ou Gua de deux personnes, selon l&apos;école des Huit Demeures du feng shui. Ce logiciel montre comment votre trigramme reflète votre influence sur les autres et la leur sur vous.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Rendez-nous visite sur %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travail à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site Web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>En savoir plus</translation>
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
        <translation>Image du programme</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>Oui, ouvrir le forum de discussion sur %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommander à un ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recommander maintenant</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>Votre message
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>Téléchargez nos autres programmes</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>Outre ce programme, nous publions toute une gamme d&apos;autres petits programmes pour la maison et le bureau. Chacun peut être essayé gratuitement, s&apos;installe rapidement et s&apos;utilise facilement.

Chaque programme a sa propre page, avec une courte description, une image et un lien de téléchargement&#xa0;: vous voyez ainsi ce qu&apos;il fait avant de le télécharger.

Parcourez tout le catalogue sur %1 et choisissez les programmes qui vous conviennent.</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>Visiter le catalogue des programmes</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
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
        <translation>Rejoignez notre forum de discussion sur %1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>Nombre Kua en feng shui </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>Votre nombre Kua est&#xa0;: </translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>Calculé selon l&apos;école des Huit Demeures du feng shui, le nombre Kua ou Gua aide à atteindre la prospérité et un succès durable. Il se calcule à partir de votre date de naissance et de votre sexe.</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>Votre couleur est&#xa0;:</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>Votre élément est&#xa0;: </translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>Votre groupe&#xa0;:</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>selon votre Kua</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> Nombre Kua en feng shui </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Trigrammes du couple</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>Votre trigramme</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Relations</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Sérénité</translation>
    </message>
    <message>
        <source>Mishaps</source>
        <translation>Contretemps</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>Cinq fantômes</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>Six meurtres</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>Perte totale</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>Trigramme du partenaire</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>Compatibilité</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Ce logiciel aux couleurs de votre site&#xa0;: plus de fidélité et de trafic. Placez ici le nom et le lien de votre site. Voir le menu «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travail à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site Web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Gagner de l&apos;argent en ligne</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>E&amp;xporter au format PDF...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>&amp;Plan de votre logement...</translation>
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
        <translation>Rejoignez notre forum de discussion sur %1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror repose sur le calcul des nombres Kua ou Gua de deux personnes. Le nombre Kua ou Gua se calcule selon l&apos;école des Huit Demeures du feng shui. Il aide à atteindre la prospérité et un succès durable. Il est établi d&apos;après votre date de naissance et votre sexe.</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror part du principe que le nombre Kua d&apos;une personne aide à analyser sa destinée et définit ses directions favorables et défavorables. Les personnes de groupes de directions compatibles s&apos;entendent bien, celles de groupes opposés non. VA Zuvo Dada Vuvizoreduror vous aide à analyser votre relation selon cette école du feng shui.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Ouvrir une lecture enregistrée</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>Vos informations</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Né(e) le</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Votre jour de naissance</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Votre mois de naissance</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Votre année de naissance</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>Votre sexe&#xa0;: homme</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>F</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>Votre sexe&#xa0;: femme</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>Informations sur votre partenaire</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Nom de votre partenaire</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Jour de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Mois de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Année de naissance de votre partenaire</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>Sexe de votre partenaire&#xa0;: homme</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>Sexe de votre partenaire&#xa0;: femme</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>&amp;Calculer notre compatibilité feng shui</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travail à domicile&#xa0;: créez votre entreprise sur Internet et gagnez de l&apos;argent en ligne. Obtenez ce logiciel aux couleurs de votre site. Cliquez ici pour en savoir plus.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Ce logiciel aux couleurs de votre site&#xa0;: plus de fidélité et de trafic. Placez ici le nom et le lien de votre site. Voir le menu «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site Web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Rechercher une mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Gagner de l&apos;argent en ligne</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>Commencer l&apos;année à &amp;Li Chun (début du printemps, vers le 4 février)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>La page n&apos;a pas pu être générée.</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>Le module d&apos;impression n&apos;a pas pu être chargé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>Le fichier n&apos;a pas pu être écrit en entier&#xa0;; le disque est peut-être plein.</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>Le programme est déjà en cours d&apos;exécution.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Veuillez vérifier le fichier.</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>Le fichier n&apos;est pas arrivé à temps. Veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>Établit la compatibilité feng shui d&apos;un couple selon l&apos;école des Huit Demeures.</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>Une lecture enregistrée (.fsc) à ouvrir.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1&#xa0;: %2
Essayez «&#xa0;%1 --help&#xa0;» pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1&#xa0;: une seule lecture peut être ouverte à la fois&#xa0;; ignoré&#xa0;: %2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>FICHIER</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>Soutenez notre forum de discussion&#xa0;: rendez-vous régulièrement sur %1 et participez aux échanges.</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>Le forum de %1 vit grâce à ses visiteurs. Passez-y de temps en temps pour qu&apos;il reste actif.</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>Ce programme vous a plu&#xa0;? Soutenez le forum de discussion qui l&apos;accompagne en visitant régulièrement %1.</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>Aidez notre forum de discussion à grandir&#xa0;: faites de %1 l&apos;un des sites que vous visitez régulièrement.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l&apos;adresse e-mail de votre ami.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L&apos;adresse e-mail ne peut pas contenir d&apos;espace.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide.</translation>
    </message>
</context>
<context>
    <name>ui::Advice</name>
    <message>
        <source>%1 for %2</source>
        <extracomment>Something for someone: &quot;Health for Anna&quot;, &quot;East for you&quot;. %2 is a name, or &quot;you&quot; or &quot;your partner&quot; as translated here: a construction that takes it unchanged, such as &quot;Anna: Health&quot;, keeps the grammar right.</extracomment>
        <translation>%1 pour %2</translation>
    </message>
    <message>
        <source>%1 favours %2: %3</source>
        <translation>%1, favorable pour %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>vous</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>votre partenaire</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A direction and what it holds: &quot;North: Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The stars of one direction for several: &quot;Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Inner ring: %1. Outer ring: %2. %3 good for both.</source>
        <extracomment>%1 and %2 the two names, or &quot;you&quot; and &quot;your partner&quot;; %3 the star that marks a direction good for both</extracomment>
        <translation>Anneau intérieur&#xa0;: %1. Anneau extérieur&#xa0;: %2. %3&#xa0;favorable aux deux.</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>Une direction, c&apos;est le côté vers lequel vous regardez quand vous vous asseyez ou travaillez, et celui vers lequel pointe la tête du lit. Placez le Nord sur le nord de votre plan, tel que l&apos;indique une boussole, et non sur la porte d&apos;entrée.</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>Vous appartenez au même groupe&#xa0;: vos diagrammes en partagent les quatre directions favorables.</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>Vous appartenez à des groupes différents&#xa0;: vos diagrammes n&apos;ont aucune direction favorable en commun. Les praticiens le constatent chez de nombreux couples et n&apos;y voient pas un verdict sur vous deux. Chacun de vous suit son propre diagramme pour ce qui le concerne&#xa0;: bureau, siège, son côté du lit.</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>Lit, orientation de la tête, la meilleure d&apos;abord</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>Lit partagé, déterminé d&apos;après les deux diagrammes</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>Bureau ou poste de travail, direction du regard</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>nord</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>nord-est</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>est</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>sud-est</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>sud</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>sud-ouest</translation>
    </message>
    <message>
        <source>West</source>
        <comment>inside a sentence</comment>
        <translation>ouest</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>inside a sentence</comment>
        <translation>nord-ouest</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the entries of a list that runs on as one sentence (&quot;North: Health; East: Success&quot;), with the blanks the language writes around it</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <source>A line along the rim: a direction good for your house.</source>
        <translation>Un trait le long du bord&#xa0;: une direction favorable à votre maison.</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>%1 pour la maison</translation>
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
        <translation>NE</translation>
    </message>
    <message>
        <source>E</source>
        <extracomment>abbreviation of East on a compass</extracomment>
        <translation>E</translation>
    </message>
    <message>
        <source>SE</source>
        <extracomment>abbreviation of South East on a compass</extracomment>
        <translation>SE</translation>
    </message>
    <message>
        <source>S</source>
        <extracomment>abbreviation of South on a compass</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>SW</source>
        <extracomment>abbreviation of South West on a compass</extracomment>
        <translation>SO</translation>
    </message>
    <message>
        <source>W</source>
        <extracomment>abbreviation of West on a compass</extracomment>
        <translation>O</translation>
    </message>
    <message>
        <source>NW</source>
        <extracomment>abbreviation of North West on a compass</extracomment>
        <translation>NO</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Votre partenaire</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>Vous deux</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>Suc|cès</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Re|la|tion|ship</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Re|la|tions</translation>
    </message>
    <message>
        <source>Per|son|al</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Sé|ré|ni|té</translation>
    </message>
    <message>
        <source>Mis|haps</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Con|tre|temps</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Cinq fan|tômes</translation>
    </message>
    <message>
        <source>Six Kill|ings</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Six meur|tres</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Perte to|tale</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>Vos directions</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>Les directions de votre partenaire</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>Vos directions et celles de votre partenaire</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>Vos directions et conseils</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>une maison %1 du groupe Est</translation>
    </message>
    <message>
        <source>a %1 house of the West group</source>
        <extracomment>See &quot;a %1 house of the East group&quot;</extracomment>
        <translation>une maison %1 du groupe Ouest</translation>
    </message>
    <message>
        <source>Your house: %1</source>
        <translation>Votre maison&#xa0;: %1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>Saisissez l&apos;orientation en degrés, de 0 à 359,9, telle que l&apos;indique la boussole.</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1&#xa0;: façade %2, assise %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1 tombe pile sur la limite entre %2 et %3&#xa0;: c&apos;est soit %4, soit %5. Faites un pas de côté et mesurez de nouveau pour trancher.</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1&#xa0;: du groupe Est, comme la maison</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1&#xa0;: du groupe Ouest, comme la maison</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1&#xa0;: du groupe Est, dans une maison du groupe Ouest&#xa0;: à l&apos;intérieur, on suit ses propres directions favorables</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1&#xa0;: du groupe Ouest, dans une maison du groupe Est&#xa0;: à l&apos;intérieur, on suit ses propres directions favorables</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>L&apos;orientation est le côté vers lequel regarde la maison, en général celui de la porte d&apos;entrée, pas celui d&apos;un balcon. Placez-vous devant la porte principale, dos à la maison, à l&apos;écart du métal et des voitures, et saisissez les degrés qu&apos;indique la boussole (nord magnétique). Sans boussole, choisissez la direction.</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>Votre maison</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>Orientation de votre maison en degrés</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>Direction vers laquelle regarde votre maison</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>Oublier cette maison</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>Orientation en degrés&#xa0;:</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>ou la direction&#xa0;:</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>Plan de votre logement...</translation>
    </message>
</context>
<context>
    <name>ui::Plan</name>
    <message>
        <source>House</source>
        <extracomment>Names the house on a plan&apos;s sector: &quot;House: Five Ghosts&quot;</extracomment>
        <translation>Maison</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>Whose star, then the star, on a plan&apos;s sector: &quot;Anna: Mishaps&quot;</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>N</source>
        <extracomment>The letter on the plan&apos;s north arrow</extracomment>
        <translation>N</translation>
    </message>
    <message>
        <source>The middle of the home, which belongs to no direction.</source>
        <translation>Le milieu du logement, qui n&apos;appartient à aucune direction.</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>Pile sur la limite entre %1 et %2, qu&apos;une boussole tenue à la main ne peut pas distinguer.</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>Le nord est tourné de %1 dans le sens horaire par rapport au haut du plan.</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>Le centre se trouve à %1&#xa0;% de la largeur du plan depuis la gauche et à %2&#xa0;% de la hauteur depuis le haut.</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>Votre logement</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>Créé le %1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ et vert&#xa0;: favorable à tous ceux affichés. − et rouge&#xa0;: défavorable à tous ceux affichés. Sans couleur&#xa0;: favorable aux uns, défavorable aux autres.</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>Ce fichier ne peut pas être lu comme un plan. Veuillez choisir un fichier image de 64&#xa0;Mo au plus, situé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>Ce fichier n&apos;est pas une image PNG ou JPEG. Veuillez choisir une image du plan de votre logement.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>Cette image est endommagée ou incomplète. Veuillez en choisir une autre copie.</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>Cette image est trop grande. Veuillez choisir un plan de 40 millions de pixels au plus.</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>L&apos;image n&apos;est pas arrivée à temps. Veuillez la copier sur cet ordinateur et réessayer.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>Ouvrez une image du plan de votre logement, un fichier PNG ou JPEG, ou déposez-la ici.</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>Lecture de compatibilité feng shui pour %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Date&#xa0;: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Votre partenaire</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Directions</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>Nombre Kua</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>Trigramme</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in its file name</comment>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>Votre nombre Kua</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>Nombre Kua du partenaire</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Compatibilité des trigrammes</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Image&#xa0;: %1</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Aucune image</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>Compatibilité feng shui</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>Format texte enrichi (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>Impossible d&apos;enregistrer le fichier.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter au format PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Impossible d&apos;exporter le fichier.
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>Impossible d&apos;imprimer la lecture.
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>Vos directions</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>Votre logement</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Ouvrir un plan...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>Nord, en degrés dans le sens horaire depuis le haut du plan</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>Aligner sur la porte d&apos;entrée</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>Huit secteurs</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>Une grille de 3 × 3</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>La maison</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>Ce que contient chaque partie du plan</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>Le centre&#xa0;: tracez le rectangle qui entoure le logement&#xa0;; ses diagonales se croisent au centre. Une partie manquante ou en saillie de moins d&apos;un tiers de son côté compte comme intérieure. Faites glisser le centre ou la pointe de la flèche du nord. Touches sur le plan&#xa0;: les flèches le déplacent, Ctrl et les flèches déplacent le centre, + et − zooment, 0 l&apos;ajuste à la fenêtre.</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>Oublier ce plan</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>&amp;Nord, dans le sens horaire depuis le haut du plan&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>&amp;Diviser le plan en&#xa0;:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>Cliquez sur la porte d&apos;entrée sur le plan, ou déplacez le repère avec les flèches et appuyez sur Entrée.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>&amp;Ouvrir un plan...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>E&amp;xporter le plan au format PDF...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>&amp;Imprimer le plan...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>&amp;Ajuster le plan</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>Ouvrir le plan de votre logement</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>Plans (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>Impossible de rouvrir le plan enregistré de votre logement.
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>Il n&apos;y a aucun dossier où le conserver.</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>Le plan est affiché, mais il n&apos;a pas pu être conservé pour le prochain démarrage.
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>Saisissez l&apos;orientation de votre maison dans l&apos;onglet «&#xa0;Vos directions&#xa0;».</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>La porte d&apos;entrée ne peut pas être le centre. Veuillez la désigner de nouveau.</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>Impossible d&apos;imprimer le plan.
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>Exporter le plan au format PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Impossible d&apos;exporter le fichier.
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom.</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>Veuillez indiquer votre sexe.</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre partenaire.</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>Veuillez indiquer le sexe de votre partenaire.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez choisir un jour ou un mois valide.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez choisir un jour ou un mois valide.</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Ouvrir une lecture enregistrée</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>Compatibilité feng shui (*.fsc)</translation>
    </message>
</context>
</TS>
