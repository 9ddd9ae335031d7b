<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>Cuenta el año %1: nacimiento antes del %2</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>Cuenta el año %1: nacimiento el %2 o después</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>Cuenta el año %1: nacimiento antes de Li Chun (%2)</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>Cuenta el año %1: nacimiento el día de Li Chun (%2), en que decide la hora de nacimiento</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>Cuenta el año %1: nacimiento en Li Chun (%2) o después</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>Contando desde el 1 de marzo, su número Kua sería %1.</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>Contando desde el 1 de marzo, el número Kua de su pareja sería %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>Contando desde Li Chun, su número Kua sería %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>Contando desde Li Chun, el número Kua de su pareja sería %1.</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>No hay descripción del carácter para este número Kua.</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>Usted fluirá como el agua. Tiene una naturaleza flexible y adaptable. Puede parecer estable, pero en realidad tiene un espíritu inquieto. Ejercerá un buen liderazgo, ya que actúa con seguridad y tiene claras sus decisiones. Tiene una personalidad magnética.<byte value="xd"/>
<byte value="xd"/>
El elemento Agua es compatible con los elementos Árbol y Metal.<byte value="xd"/>
<byte value="xd"/>
El elemento Agua no es compatible con los elementos Fuego y Suelo</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>Usted tiene los pies en la tierra y unas raíces fuertes que se extienden por todo el suelo. Es muy leal y fiable. Al mismo tiempo, puede caer en la terquedad y aferrarse a sus decisiones. Puede ser el mejor de los amigos o el peor de los enemigos.<byte value="xd"/>
<byte value="xd"/>
El elemento Tierra es compatible con los elementos Fuego y Metal.<byte value="xd"/>
<byte value="xd"/>
El elemento Tierra es compatible con los elementos Madera y Agua.</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>Usted reflexiona a fondo y cree en descubrir las cosas por su cuenta. Por naturaleza, actúa con disciplina y método. Cree más en la calidad que en la cantidad.<byte value="xd"/>
<byte value="xd"/>
El elemento Metal es compatible con los elementos Agua y Suelo.<byte value="xd"/>
<byte value="xd"/>
El elemento Metal no es compatible con los elementos Fuego y Madera.    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>Usted se entrega a su trabajo y siempre cumple sus compromisos. Conserva siempre un corazón joven y aspira a llegar a lo más alto y a expandirse.<byte value="xd"/>
<byte value="xd"/>
El elemento Madera es compatible con los elementos Agua y Fuego.<byte value="xd"/>
<byte value="xd"/>
El elemento Madera no es compatible con los elementos Fuego y Árbol.</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>Dentro de usted arden mucha pasión y mucho fuego. Tiene una personalidad atractiva y siempre hace las cosas con entusiasmo. Necesita tener gente a su alrededor y detesta la soledad.<byte value="xd"/>
<byte value="xd"/>
El elemento Fuego es compatible con los elementos Madera y Suelo.<byte value="xd"/>
<byte value="xd"/>
El elemento Fuego no es compatible con los elementos Metal y Suelo.</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <comment>group</comment>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>Tierra</translation>
    </message>
    <message>
        <source>Wood</source>
        <comment>element</comment>
        <translation>Madera</translation>
    </message>
    <message>
        <source>Metal</source>
        <comment>element</comment>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>Fuego</translation>
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
        <translation>Blanco roto</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>Blanco roto</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Green</source>
        <comment>colour</comment>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <comment>colour</comment>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Orange</source>
        <comment>colour</comment>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>Morado</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>Norte</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>Noreste</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>Este</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>Sureste</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>Sur</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>Suroeste</translation>
    </message>
    <message>
        <source>West</source>
        <comment>direction</comment>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>direction</comment>
        <translation>Noroeste</translation>
    </message>
    <message>
        <source>Excellent</source>
        <comment>rating</comment>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Very Good</source>
        <comment>rating</comment>
        <translation>Muy buena</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>Buena</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>Insatisfactoria</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>Mala</translation>
    </message>
    <message>
        <source>Disastrous</source>
        <comment>rating</comment>
        <translation>Desastrosa</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <extracomment>The pair of trigrams, the user&apos;s first: &quot;Kun-Kun&quot;</extracomment>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>Mr. %1</source>
        <translation>Sr. %1</translation>
    </message>
    <message>
        <source>Ms. %1</source>
        <translation>Sra. %1</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible para este programa.<byte value="xd"/>¿Desea buscar actualizaciones?</translation>
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
        <translation>Imagen del programa</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror se basa en la compatibilidad de los números Kua o Gua de dos personas según la escuela de las Ocho Mansiones del feng shui. Este programa muestra cómo su trigrama personal refleja su influencia en otros y la de otros en usted.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Visítenos en %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Más detalles aquí</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Imagen del programa</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>Sí, quiero visitar el foro de debate en %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recomendar a un amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Su correo electrónico</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Su dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nombre de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Dirección de correo electrónico de su amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recomendar a un amigo &amp;ahora</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>Su mensaje
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Su mensaje</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>Descargue nuestros otros programas</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>Además de este programa, publicamos otros pequeños programas para el hogar y la oficina. Todos pueden probarse gratis, se instalan rápidamente y son fáciles de usar.

Cada programa tiene su propia página con una breve descripción, una imagen y un enlace de descarga, para que pueda ver qué hace antes de descargarlo.

Explore el catálogo completo en %1 y elija los programas que más le convengan.</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>Visite el catálogo de programas</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Su mensaje</translation>
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
        <translation>Únase a nuestro foro de debate en %1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>Número Kua del feng shui </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>Su número Kua es: </translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>El número Kua o Gua, calculado según la escuela de las Ocho Mansiones del feng shui, ayuda a alcanzar la prosperidad y un éxito duradero. Se calcula a partir de su fecha de nacimiento y su sexo.</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>Su color es:</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>Su elemento es: </translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>Es del grupo</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>por su número Kua</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> Número Kua del feng shui </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Compatibilidad</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>Su trigrama</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Éxito</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Relaciones</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Estabilidad</translation>
    </message>
    <message>
        <source>Mishaps</source>
        <translation>Contratiempos</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>Cinco fantasmas</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>Seis muertes</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>Pérdida total</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>Trigrama de su pareja</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Ponga su marca en este programa. Aumente la fidelidad y el tráfico de su sitio. Incluya aquí el nombre y el enlace de su sitio. Detalles en «Ayuda». Más información sobre la marca compartida aquí.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>Ganar dinero en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;Export as PDF...</source>
        <translation>&amp;Exportar como PDF...</translation>
    </message>
    <message>
        <source>Plan of Your &amp;Home...</source>
        <translation>&amp;Plano de su vivienda...</translation>
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
        <translation>Únase a nuestro foro de debate en %1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror se basa en el cálculo de los números Kua o Gua de dos personas. El número Kua o Gua se calcula según la escuela de las Ocho Mansiones del feng shui. Este número ayuda a alcanzar la prosperidad y un éxito duradero. Se calcula a partir de su fecha de nacimiento y su sexo.</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror se basa en el principio de que el número Kua de una persona ayuda a analizar su destino y define sus direcciones favorables y desfavorables. Las personas de grupos de direcciones compatibles se llevan bien entre sí; las de grupos opuestos, no. VA Zuvo Dada Vuvizoreduror le ayuda a analizar su relación según esta escuela del feng shui.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Abrir una lectura guardada</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>Sus datos, por favor</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Su nombre</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Nació el</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Su día de nacimiento</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Su mes de nacimiento</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Su año de nacimiento</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Varón</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>Su sexo: varón</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Mujer</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>Su sexo: mujer</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>Datos de su pareja, por favor</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Nombre de su pareja</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Día de nacimiento de su pareja</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Mes de nacimiento de su pareja</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Año de nacimiento de su pareja</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>Sexo de su pareja: varón</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>Sexo de su pareja: mujer</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>&amp;Calcular nuestra compatibilidad feng shui</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Cree su propio negocio en Internet y gane dinero en línea. Obtenga este programa con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Ponga su marca en este programa. Aumente la fidelidad y el tráfico de su sitio. Incluya aquí el nombre y el enlace de su sitio. Detalles en «Ayuda». Más información sobre la marca compartida aquí.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>&amp;Buscar actualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Preferencias</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>Empezar el año en &amp;Li Chun (inicio de la primavera, hacia el 4 de febrero)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>No se pudo generar la página.</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>No se pudo cargar el módulo de impresión: %1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>No se pudo escribir el archivo completo; puede que el disco esté lleno.</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Compruebe el archivo.</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>El archivo no llegó a tiempo. Vuelva a intentarlo más tarde.</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>Ofrece a una pareja una lectura de compatibilidad feng shui según la escuela de las Ocho Mansiones.</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>Lectura guardada (.fsc) que desea abrir.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Pruebe «%1 --help» para obtener más información.
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1: solo se puede abrir una lectura a la vez; se omite: %2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de comandos.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>ARCHIVO</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>Apoye nuestro foro de debate: visite %1 con regularidad y participe en la conversación.</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>El foro de %1 vive de sus visitantes. Pásese de vez en cuando para que siga activo.</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>¿Le ha gustado este programa? Apoye el foro de debate que lo acompaña visitando %1 con regularidad.</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>Ayude a crecer a nuestro foro de debate: haga de %1 uno de los sitios que visita con regularidad.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escriba su nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Escriba su correo electrónico.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escriba su mensaje.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Escriba el nombre de su amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Escriba el correo electrónico de su amigo.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo electrónico no puede contener espacios.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Escriba dos direcciones de correo electrónico distintas.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Escriba una dirección de correo electrónico válida.</translation>
    </message>
</context>
<context>
    <name>ui::Advice</name>
    <message>
        <source>%1 for %2</source>
        <extracomment>Something for someone: &quot;Health for Anna&quot;, &quot;East for you&quot;. %2 is a name, or &quot;you&quot; or &quot;your partner&quot; as translated here: a construction that takes it unchanged, such as &quot;Anna: Health&quot;, keeps the grammar right.</extracomment>
        <translation>%1 para %2</translation>
    </message>
    <message>
        <source>%1 favours %2: %3</source>
        <translation>%1, favorable para %2: %3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>usted</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>su pareja</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A direction and what it holds: &quot;North: Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>The stars of one direction for several: &quot;Relationship for Anna, Health for Ben&quot;</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Inner ring: %1. Outer ring: %2. %3 good for both.</source>
        <extracomment>%1 and %2 the two names, or &quot;you&quot; and &quot;your partner&quot;; %3 the star that marks a direction good for both</extracomment>
        <translation>Anillo interior: %1. Anillo exterior: %2. %3&#xa0;favorable para ambos.</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>Una dirección es el lado hacia el que mira usted al sentarse o al trabajar, y hacia el que apunta la cabecera de la cama. Haga coincidir el Norte con el norte de su plano según lo indica una brújula, no con la puerta de entrada.</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>Ustedes pertenecen al mismo grupo: sus diagramas comparten las cuatro direcciones favorables de ese grupo.</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>Ustedes pertenecen a grupos distintos: sus diagramas no comparten ninguna dirección favorable. Los expertos en feng shui lo ven en muchas parejas y no lo toman como un veredicto sobre ustedes dos. Cada uno sigue su propio diagrama para lo suyo: escritorio, asiento, su lado de la cama.</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>Cama, hacia dónde apunta la cabecera, la mejor primero</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>Cama compartida, calculada a partir de ambos diagramas</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>Escritorio o puesto de trabajo, hacia dónde se mira</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>norte</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>noreste</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>este</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>sureste</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>sur</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>suroeste</translation>
    </message>
    <message>
        <source>West</source>
        <comment>inside a sentence</comment>
        <translation>oeste</translation>
    </message>
    <message>
        <source>North West</source>
        <comment>inside a sentence</comment>
        <translation>noroeste</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>Between the entries of a list that runs on as one sentence (&quot;North: Health; East: Success&quot;), with the blanks the language writes around it</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>A line along the rim: a direction good for your house.</source>
        <translation>Una línea junto al borde: dirección favorable para su casa.</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>%1 para la casa</translation>
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
        <translation>Usted</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Su pareja</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>Éxi|to</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Re|la|tion|ship</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Re|la|cio|nes</translation>
    </message>
    <message>
        <source>Per|son|al</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Es|ta|bi|li|dad</translation>
    </message>
    <message>
        <source>Mis|haps</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Con|tra|tiem|pos</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Cinco fan|tas|mas</translation>
    </message>
    <message>
        <source>Six Kill|ings</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Seis muer|tes</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Pér|di|da total</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>Sus direcciones</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>Direcciones de su pareja</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>Sus direcciones y las de su pareja</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>Sus direcciones y consejos</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>una casa %1 del grupo Este</translation>
    </message>
    <message>
        <source>a %1 house of the West group</source>
        <extracomment>See &quot;a %1 house of the East group&quot;</extracomment>
        <translation>una casa %1 del grupo Oeste</translation>
    </message>
    <message>
        <source>Your house: %1</source>
        <translation>Su casa: %1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>Escriba la orientación en grados, de 0 a 359,9, tal como la indica la brújula.</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1: fachada al %2, asiento al %3: %4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1 cae justo en el límite entre el %2 y el %3: se trata de %4 o de %5. Dé un paso a un lado y vuelva a medir para saber cuál.</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1: del grupo Este, como la casa</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1: del grupo Oeste, como la casa</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1: del grupo Este, en una casa del grupo Oeste: dentro, valen sus propias direcciones favorables</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1: del grupo Oeste, en una casa del grupo Este: dentro, valen sus propias direcciones favorables</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>La orientación es el lado hacia el que mira la casa, normalmente el de la puerta de entrada, no un balcón. Colóquese fuera de la puerta principal, mirando hacia afuera, lejos de metales y coches, y escriba los grados que indica la brújula (norte magnético). Si no tiene brújula, elija la dirección.</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>Su casa</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>Orientación de su casa en grados</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>Dirección hacia la que mira su casa</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Elija</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>Olvidar esta casa</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>Orientación en grados:</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>o la dirección:</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>Plano de su vivienda...</translation>
    </message>
</context>
<context>
    <name>ui::Plan</name>
    <message>
        <source>House</source>
        <extracomment>Names the house on a plan&apos;s sector: &quot;House: Five Ghosts&quot;</extracomment>
        <translation>Casa</translation>
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
        <translation>El centro de la vivienda, que no pertenece a ninguna dirección.</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>Justo en el límite entre el %1 y el %2, que una brújula sostenida en la mano no puede distinguir.</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>El norte está girado %1 en sentido horario respecto al borde superior del plano.</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>El centro está al %1&#xa0;% del ancho del plano desde la izquierda y al %2&#xa0;% del alto desde arriba.</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>Su vivienda</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>Creado el %1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ y verde: favorable para todos los mostrados. − y rojo: desfavorable para todos los mostrados. Sin color: favorable para unos, desfavorable para otros.</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>Este archivo no se puede leer como plano. Elija un archivo de imagen de 64 MB como máximo que esté en este ordenador.</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>Este archivo no es una imagen PNG ni JPEG. Elija una imagen del plano de su vivienda.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>Esta imagen está dañada o incompleta. Elija otra copia de ella.</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>Esta imagen es demasiado grande. Elija un plano de 40 millones de píxeles como máximo.</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>La imagen no llegó a tiempo. Cópiela en este ordenador y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plano</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>Abra una imagen del plano de su vivienda, un archivo PNG o JPEG, o arrástrela hasta aquí.</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>Lectura de compatibilidad feng shui: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Fecha: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Su pareja</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <source>Kua Number</source>
        <translation>Número Kua</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Trigram</source>
        <translation>Trigrama</translation>
    </message>
    <message>
        <source>en</source>
        <comment>The code of this translation&apos;s language, as in its file name</comment>
        <translation>es</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>Su número Kua</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>Número Kua de su pareja</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Compatibilidad de trigramas</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Imagen de %1</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Sin imagen</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>Compatibilidad feng shui</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>Formato de texto enriquecido (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>No se pudo guardar el archivo.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>No se pudo exportar el archivo.
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>No se pudo imprimir la lectura.
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>Sus direcciones</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>Su vivienda</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Abrir plano...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>Norte, en grados en sentido horario desde el borde superior del plano</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>Alinear con la puerta de entrada</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>Ocho sectores</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>Una cuadrícula de 3 × 3</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>La casa</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>Lo que contiene cada parte del plano</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>El centro: trace el rectángulo que rodea la vivienda; sus diagonales se cruzan en el centro. Una parte que falte o sobresalga menos de un tercio de su lado cuenta como interior. Arrastre el centro o la punta de la flecha del norte. Teclas sobre el plano: las flechas lo desplazan, Ctrl y las flechas mueven el centro, + y − acercan y alejan, 0 lo ajusta a la ventana.</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>Olvidar este plano</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>&amp;Norte, en sentido horario desde el borde superior del plano:</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>&amp;Dividir el plano en:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>Haga clic en la puerta de entrada en el plano, o mueva la marca con las flechas y pulse Intro.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>&amp;Abrir plano...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>&amp;Exportar plano como PDF...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>&amp;Imprimir plano...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Acercar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>A&amp;lejar</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>Ajustar el &amp;plano</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>Abrir el plano de su vivienda</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>Planos (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>No se pudo volver a abrir el plano guardado de su vivienda.
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>No hay ninguna carpeta donde guardarlo.</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>El plano se muestra, pero no se pudo guardar para la próxima vez que se abra el programa.
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>Indique la orientación de su casa en la pestaña «Sus direcciones».</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>La puerta de entrada no puede ser el centro. Vuelva a elegirla.</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>No se pudo imprimir el plano.
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>Exportar plano como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>No se pudo exportar el archivo.
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Escriba su nombre.</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>Indique su sexo.</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Escriba el nombre de su pareja.</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>Indique el sexo de su pareja.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Elija un día o un mes válidos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Elija un día o un mes válidos!</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Abrir una lectura guardada</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>Compatibilidad feng shui (*.fsc)</translation>
    </message>
</context>
</TS>
