<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CountedYear</name>
    <message>
        <source>Counted from %1: born before %2</source>
        <extracomment>%1 the year counted, %2 the date the year starts on: &quot;1 March 1985&quot;</extracomment>
        <translation>Vale o ano %1: nascimento antes de %2</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after %2</source>
        <translation>Vale o ano %1: nascimento em %2 ou depois</translation>
    </message>
    <message>
        <source>Counted from %1: born before Li Chun (%2)</source>
        <extracomment>%1 the year counted, %2 Li Chun&apos;s date: &quot;4 February 1985&quot;</extracomment>
        <translation>Vale o ano %1: nascimento antes do Li Chun (%2)</translation>
    </message>
    <message>
        <source>Counted from %1: born on the day of Li Chun (%2), when the hour of birth decides</source>
        <translation>Vale o ano %1: nascimento no dia do Li Chun (%2), em que a hora do nascimento decide</translation>
    </message>
    <message>
        <source>Counted from %1: born on or after Li Chun (%2)</source>
        <translation>Vale o ano %1: nascimento no Li Chun (%2) ou depois</translation>
    </message>
    <message>
        <source>Counted from 1 March, your Kua number would be %1.</source>
        <translation>Contando a partir de 1º de março, seu número Kua seria %1.</translation>
    </message>
    <message>
        <source>Counted from 1 March, your partner&apos;s Kua number would be %1.</source>
        <translation>Contando a partir de 1º de março, o número Kua do seu par seria %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your Kua number would be %1.</source>
        <translation>Contando a partir do Li Chun, seu número Kua seria %1.</translation>
    </message>
    <message>
        <source>Counted from Li Chun, your partner&apos;s Kua number would be %1.</source>
        <translation>Contando a partir do Li Chun, o número Kua do seu par seria %1.</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>No character reading is known for this Kua number.</source>
        <translation>Não há leitura de personalidade para este número Kua.</translation>
    </message>
    <message>
        <source>You will flow like water. You have a flexible and adjusting nature. You may seem stable but in reality you are restless. You will make a good leader, as you are confident and clear about your decisions. You have a magnetic personality.<byte value="xd"/>
<byte value="xd"/>
Element Water is compatible with elements Tree and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Water is not compatible with elements Fire and Soil</source>
        <translation>Você fluirá como a água. Tem uma natureza flexível e adaptável. Pode parecer estável, mas na verdade tem um espírito inquieto. Terá talento para liderar, pois tem confiança e clareza nas suas decisões. Tem uma personalidade magnética.<byte value="xd"/>
<byte value="xd"/>
O elemento Água é compatível com os elementos Árvore e Metal.<byte value="xd"/>
<byte value="xd"/>
O elemento Água não é compatível com os elementos Fogo e Solo</translation>
    </message>
    <message>
        <source>You are grounded and have strong roots that spread throughout the soil. You are very loyal and dependable. At the same time you can be stubborn and stick to your decisions. You can be the best friend or the worst enemy.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Fire and Metal.<byte value="xd"/>
<byte value="xd"/>
Element Earth is compatible with elements Wood and Water.</source>
        <translation>Você tem os pés no chão e raízes fortes que se espalham por todo o solo. É uma pessoa muito leal e confiável. Ao mesmo tempo, a teimosia pode fazer você se apegar às suas decisões. Sua amizade pode ser a melhor de todas, e sua inimizade, a pior.<byte value="xd"/>
<byte value="xd"/>
O elemento Terra é compatível com os elementos Fogo e Metal.<byte value="xd"/>
<byte value="xd"/>
O elemento Terra é compatível com os elementos Madeira e Água.</translation>
    </message>
    <message>
        <source>You are a deep thinker and believe in discovering things for yourself. You are disciplined and methodical by nature. You believe more in quality than quantity.<byte value="xd"/>
<byte value="xd"/>
Element Metal is compatible with elements Water and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Metal is not compatible with elements Fire and Wood.    </source>
        <translation>Você pensa com profundidade e acredita em descobrir as coisas por conta própria. Por natureza, tem disciplina e método. Acredita mais na qualidade do que na quantidade.<byte value="xd"/>
<byte value="xd"/>
O elemento Metal é compatível com os elementos Água e Solo.<byte value="xd"/>
<byte value="xd"/>
O elemento Metal não é compatível com os elementos Fogo e Madeira.    </translation>
    </message>
    <message>
        <source>You are committed to your work and always fulfill your commitments. You are always young at heart and aim to reach the top and spread out.<byte value="xd"/>
<byte value="xd"/>
Element Wood is compatible with elements Water and Fire.<byte value="xd"/>
<byte value="xd"/>
Element Wood is not compatible with elements Fire and Tree.</source>
        <translation>Você se dedica ao trabalho e sempre cumpre seus compromissos. Tem sempre o coração jovem e busca chegar ao topo e se expandir.<byte value="xd"/>
<byte value="xd"/>
O elemento Madeira é compatível com os elementos Água e Fogo.<byte value="xd"/>
<byte value="xd"/>
O elemento Madeira não é compatível com os elementos Fogo e Árvore.</translation>
    </message>
    <message>
        <source>You have a lot of passion and fire burning inside you. You have an attractive personality and are always enthusiastic about doing things. You need to be surrounded by people and hate loneliness.<byte value="xd"/>
<byte value="xd"/>
Element Fire is compatible with elements Wood and Soil.<byte value="xd"/>
<byte value="xd"/>
Element Fire is not compatible with elements Metal and Soil.</source>
        <translation>Você tem muita paixão e um fogo que arde dentro de você. Tem uma personalidade atraente e sempre faz as coisas com entusiasmo. Precisa de gente por perto e detesta a solidão.<byte value="xd"/>
<byte value="xd"/>
O elemento Fogo é compatível com os elementos Madeira e Solo.<byte value="xd"/>
<byte value="xd"/>
O elemento Fogo não é compatível com os elementos Metal e Solo.</translation>
    </message>
    <message>
        <source>East</source>
        <comment>group</comment>
        <translation>Leste</translation>
    </message>
    <message>
        <source>West</source>
        <comment>group</comment>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Water</source>
        <comment>element</comment>
        <translation>Água</translation>
    </message>
    <message>
        <source>Earth</source>
        <comment>element</comment>
        <translation>Terra</translation>
    </message>
    <message>
        <source>Wood</source>
        <comment>element</comment>
        <translation>Madeira</translation>
    </message>
    <message>
        <source>Metal</source>
        <comment>element</comment>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Fire</source>
        <comment>element</comment>
        <translation>Fogo</translation>
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
        <translation>Branco-gelo</translation>
    </message>
    <message>
        <source>Off-White</source>
        <comment>colour</comment>
        <translation>Branco-gelo</translation>
    </message>
    <message>
        <source>Black</source>
        <comment>colour</comment>
        <translation>Preto</translation>
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
        <translation>Laranja</translation>
    </message>
    <message>
        <source>Gray</source>
        <comment>colour</comment>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Red</source>
        <comment>colour</comment>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>White</source>
        <comment>colour</comment>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Purple</source>
        <comment>colour</comment>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>North</source>
        <comment>direction</comment>
        <translation>Norte</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>direction</comment>
        <translation>Nordeste</translation>
    </message>
    <message>
        <source>East</source>
        <comment>direction</comment>
        <translation>Leste</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>direction</comment>
        <translation>Sudeste</translation>
    </message>
    <message>
        <source>South</source>
        <comment>direction</comment>
        <translation>Sul</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>direction</comment>
        <translation>Sudoeste</translation>
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
        <translation>Muito boa</translation>
    </message>
    <message>
        <source>Good</source>
        <comment>rating</comment>
        <translation>Boa</translation>
    </message>
    <message>
        <source>Unsatisfactory</source>
        <comment>rating</comment>
        <translation>Insatisfatória</translation>
    </message>
    <message>
        <source>Bad</source>
        <comment>rating</comment>
        <translation>Ruim</translation>
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
        <translation>Pode haver uma atualização disponível para este programa.<byte value="xd"/>Deseja verificar se há atualizações?</translation>
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
        <translation>Imagem do programa</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the compatibility of Kua or Gua numbers of two people according to the Eight Mansions School of Feng Shui. This software shows how your personal trigram reflects how you affect or get affected by other people.</source>
        <translation>VA Zuvo Dada Vuvizoreduror se baseia na compatibilidade dos números Kua (ou Gua) de duas pessoas, segundo a escola das Oito Mansões do feng shui. Este programa mostra como seu trigrama pessoal reflete a maneira como você afeta os outros e como os outros afetam você.</translation>
    </message>
    <message>
        <source>Visit us at %1</source>
        <translation>Visite-nos em %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro online. Tenha este programa personalizado com a marca do seu site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Clique aqui e saiba mais</translation>
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
        <translation>Imagem do programa</translation>
    </message>
    <message>
        <source>Yes, take me to the discussion forum at %1</source>
        <translation>Sim, leve-me ao fórum de discussão em %1</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Indique a um amigo</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Seu endereço de e-mail</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s name</source>
        <translation>Nome do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Endereço de e-mail do amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s email address</source>
        <translation>Endereço de e-mail do amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Indique a um amigo &amp;agora</translation>
    </message>
    <message>
        <source>Your Message
</source>
        <translation>Sua mensagem
</translation>
    </message>
    <message>
        <source>Your message</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Download Our Other Programs</source>
        <translation>Baixe nossos outros programas</translation>
    </message>
    <message>
        <source>Besides this program we publish a range of other small programs for home and office. Each one is free to try, quick to install and easy to use.

Every program has a page of its own with a short description, a picture and a download link, so you can see what it does before you fetch it.

Browse the whole catalogue at %1 and pick the programs that suit you.</source>
        <translation>Além deste programa, publicamos vários outros pequenos programas para casa e escritório. Todos podem ser experimentados gratuitamente, são rápidos de instalar e fáceis de usar.

Cada programa tem uma página própria com uma breve descrição, uma imagem e um link para download, para que você veja o que ele faz antes de baixá-lo.

Consulte o catálogo completo em %1 e escolha os programas que combinam com você.</translation>
    </message>
    <message>
        <source>Visit the program catalogue</source>
        <translation>Visite o catálogo de programas</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Sua mensagem</translation>
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
        <translation>Participe do nosso fórum de discussão em %1</translation>
    </message>
    <message>
        <source>Feng Shui Kua Number </source>
        <translation>Número Kua no feng shui </translation>
    </message>
    <message>
        <source>Your Kua Number is: </source>
        <translation>Seu número Kua é: </translation>
    </message>
    <message>
        <source>Kua or Gua Number calculated according to the Eight Mansions School of Feng Shui helps one attain prosperity and everlasting success. It is calculated on basis of your birth and gender details.</source>
        <translation>O número Kua (ou Gua), calculado segundo a escola das Oito Mansões do feng shui, ajuda a alcançar prosperidade e sucesso duradouro. Ele é calculado com base na sua data de nascimento e no seu sexo.</translation>
    </message>
    <message>
        <source>Your Color is:</source>
        <translation>Sua cor é:</translation>
    </message>
    <message>
        <source>Your Element is: </source>
        <translation>Seu elemento é: </translation>
    </message>
    <message>
        <source>Your are a</source>
        <translation>Seu grupo é o</translation>
    </message>
    <message>
        <source>Group Person</source>
        <translation>no feng shui</translation>
    </message>
    <message>
        <source> Feng Shui Kua Number </source>
        <translation> Número Kua no feng shui </translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Compatibilidade</translation>
    </message>
    <message>
        <source>Your Trigram</source>
        <translation>Seu trigrama</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Cor</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Sucesso</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Relationship</source>
        <translation>Relacionamento</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Evolução pessoal</translation>
    </message>
    <message>
        <source>Mishaps</source>
        <translation>Contratempos</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <translation>Cinco fantasmas</translation>
    </message>
    <message>
        <source>Six Killings</source>
        <translation>Seis mortes</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <translation>Perda total</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Trigram</source>
        <translation>Trigrama do seu par</translation>
    </message>
    <message>
        <source>Compatibility Interpretation</source>
        <translation>Avaliação</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Personalize este programa com a marca do seu site. Aumente a fidelidade e o tráfego do site. Coloque aqui o nome e o link do seu site. Detalhes na “Ajuda”. Clique aqui e saiba mais sobre co-branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro online. Tenha este programa personalizado com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Verificar &amp;atualizações do programa</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganhar dinheiro online</translation>
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
        <translation>&amp;Planta da sua casa...</translation>
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
        <translation>Participe do nosso fórum de discussão em %1</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the calculation of Kua or Gua numbers of two people. The Kua or Gua Number is calculated according to the Eight Mansions School of Feng Shui. This number helps one attain prosperity and everlasting success. It is calculated on the basis of your birth and gender details.</source>
        <translation>VA Zuvo Dada Vuvizoreduror se baseia no cálculo dos números Kua (ou Gua) de duas pessoas. O número Kua, ou Gua, é calculado segundo a escola das Oito Mansões do feng shui. Esse número ajuda a alcançar prosperidade e sucesso duradouro. Ele é calculado com base na sua data de nascimento e no seu sexo.</translation>
    </message>
    <message>
        <source>VA Zuvo Dada Vuvizoreduror is based on the principle that the Kua number for a person helps one analyze their destiny and defines their auspicious and inauspicious directions. People of compatible direction groups get along well with each while those of opposing direction groups do not. VA Zuvo Dada Vuvizoreduror helps you analyze your relationship on the basis of this school of Feng Shui.</source>
        <translation>VA Zuvo Dada Vuvizoreduror parte do princípio de que o número Kua de uma pessoa ajuda a analisar seu destino e define suas direções favoráveis e desfavoráveis. Pessoas de grupos de direções compatíveis se dão bem, e as de grupos opostos, não. VA Zuvo Dada Vuvizoreduror ajuda você a analisar seu relacionamento com base nessa escola do feng shui.</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>&amp;Abrir leitura salva anteriormente</translation>
    </message>
    <message>
        <source>Your Details Please</source>
        <translation>Informe seus dados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Birth Day</source>
        <translation>Nasc.</translation>
    </message>
    <message>
        <source>Your birth day</source>
        <translation>Dia do seu nascimento</translation>
    </message>
    <message>
        <source>Your birth month</source>
        <translation>Mês do seu nascimento</translation>
    </message>
    <message>
        <source>Your birth year</source>
        <translation>Ano do seu nascimento</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexo</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masc.</translation>
    </message>
    <message>
        <source>Your sex: male</source>
        <translation>Seu sexo: masculino</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Fem.</translation>
    </message>
    <message>
        <source>Your sex: female</source>
        <translation>Seu sexo: feminino</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Details Please</source>
        <translation>Informe os dados do seu par</translation>
    </message>
    <message>
        <source>Your partner&apos;s name</source>
        <translation>Nome do seu par</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth day</source>
        <translation>Dia de nascimento do seu par</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth month</source>
        <translation>Mês de nascimento do seu par</translation>
    </message>
    <message>
        <source>Your partner&apos;s birth year</source>
        <translation>Ano de nascimento do seu par</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: male</source>
        <translation>Sexo do seu par: masculino</translation>
    </message>
    <message>
        <source>Your partner&apos;s sex: female</source>
        <translation>Sexo do seu par: feminino</translation>
    </message>
    <message>
        <source>&amp;Find Our Feng Shui Compatibility</source>
        <translation>&amp;Ver nossa compatibilidade no feng shui</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidade de negócio em casa. Abra seu próprio negócio na internet e ganhe dinheiro online. Tenha este programa personalizado com a marca do seu site. Clique aqui para saber mais.</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details. Click Here for more info on co-branding.</source>
        <translation>Personalize este programa com a marca do seu site. Aumente a fidelidade e o tráfego do site. Coloque aqui o nome e o link do seu site. Detalhes na “Ajuda”. Clique aqui e saiba mais sobre co-branding.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ajuda &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nosso site</translation>
    </message>
    <message>
        <source>&amp;Check for Software Update</source>
        <translation>Verificar &amp;atualizações do programa</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Sobre o programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Doar</translation>
    </message>
    <message>
        <source>&amp;Make Money Online</source>
        <translation>&amp;Ganhar dinheiro online</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configurações</translation>
    </message>
    <message>
        <source>Start the Year at &amp;Li Chun (about 4 February)</source>
        <translation>Começar o ano no &amp;Li Chun (início da primavera, por volta de 4 de fevereiro)</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>The page could not be drawn.</source>
        <translation>Não foi possível gerar a página.</translation>
    </message>
    <message>
        <source>The printing module could not be loaded: %1</source>
        <translation>Não foi possível carregar o módulo de impressão: %1</translation>
    </message>
    <message>
        <source>The file could not be written whole; the disk may be full.</source>
        <translation>Não foi possível gravar o arquivo por inteiro; o disco pode estar cheio.</translation>
    </message>
</context>
<context>
    <name>shell::Application</name>
    <message>
        <source>Application is already running</source>
        <translation>O programa já está em execução.</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Verifique o arquivo.</translation>
    </message>
    <message>
        <source>The file did not arrive in time. Please try again later.</source>
        <translation>O arquivo não chegou a tempo. Tente novamente mais tarde.</translation>
    </message>
</context>
<context>
    <name>shell::CommandLine</name>
    <message>
        <source>Gives a couple a Feng Shui compatibility reading after the Eight Mansions school.</source>
        <translation>Faz a leitura da compatibilidade de um casal no feng shui, segundo a escola das Oito Mansões.</translation>
    </message>
    <message>
        <source>A saved reading (.fsc) to open.</source>
        <translation>Uma leitura salva (.fsc) para abrir.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos; for more information.
</source>
        <translation>%1: %2
Experimente “%1 --help” para mais informações.
</translation>
    </message>
    <message>
        <source>%1: only one reading opens at a time; ignored: %2
</source>
        <translation>%1: só é possível abrir uma leitura por vez; o restante foi ignorado: %2
</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda sobre as opções da linha de comando.</translation>
    </message>
    <message>
        <source>FILE</source>
        <extracomment>The name --help gives the file argument, written as the language writes such a placeholder (in capitals where it has them)</extracomment>
        <translation>ARQUIVO</translation>
    </message>
</context>
<context>
    <name>shell::frmExit</name>
    <message>
        <source>Please support our discussion forum: visit %1 regularly and join the conversation.</source>
        <translation>Apoie nosso fórum de discussão: visite %1 regularmente e participe da conversa.</translation>
    </message>
    <message>
        <source>The forum at %1 lives on its visitors. Drop in now and then to keep it going.</source>
        <translation>O fórum em %1 vive dos seus visitantes. Apareça de vez em quando para mantê-lo ativo.</translation>
    </message>
    <message>
        <source>Enjoyed this program? Support the discussion forum behind it by visiting %1 regularly.</source>
        <translation>Gostou deste programa? Apoie o fórum de discussão que está por trás dele visitando %1 regularmente.</translation>
    </message>
    <message>
        <source>Help our discussion forum grow: make %1 one of the sites you visit regularly.</source>
        <translation>Ajude nosso fórum de discussão a crescer: faça de %1 um dos sites que você visita regularmente.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Digite seu e-mail.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Digite sua mensagem.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Digite o nome do seu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Digite o e-mail do seu amigo.</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>O endereço de e-mail não pode conter espaços.</translation>
    </message>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Digite dois endereços de e-mail diferentes.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Digite um endereço de e-mail válido.</translation>
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
        <translation>%1, favorável para %2: %3</translation>
    </message>
    <message>
        <source>you</source>
        <extracomment>Names the user where no name is known (a reading opened from a file), inside the charts&apos; sentences: &quot;Health for you&quot;, &quot;Inner ring: you&quot;</extracomment>
        <translation>você</translation>
    </message>
    <message>
        <source>your partner</source>
        <extracomment>Names the partner where no name is known; see &quot;you&quot;</extracomment>
        <translation>seu par</translation>
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
        <translation>Anel interno: %1. Anel externo: %2. %3&#xa0;favorável para os dois.</translation>
    </message>
    <message>
        <source>A direction is the way you face when you sit or work, and the way the head of the bed points. Lay North on the north of your floor plan as a compass measures it, not on the front door.</source>
        <translation>Uma direção é para onde você olha ao sentar ou trabalhar, e para onde aponta a cabeceira da cama. Coloque o Norte sobre o norte da sua planta baixa, conforme indica uma bússola, e não sobre a porta de entrada.</translation>
    </message>
    <message>
        <source>You are of one group: your charts share its four favourable directions.</source>
        <translation>Vocês são do mesmo grupo: os diagramas de vocês compartilham as quatro direções favoráveis desse grupo.</translation>
    </message>
    <message>
        <source>You are of different groups: your charts share no favourable direction. Practitioners see this in many couples and do not read it as a verdict on the two of you. Each of you follows your own chart for your own things: desk, seat, your side of the bed.</source>
        <translation>Vocês são de grupos diferentes: os diagramas de vocês não têm nenhuma direção favorável em comum. Os praticantes de feng shui veem isso em muitos casais e não o tomam como um veredito sobre vocês. Cada um segue o próprio diagrama para as próprias coisas: mesa, assento, o seu lado da cama.</translation>
    </message>
    <message>
        <source>Bed, where its head points, best first</source>
        <translation>Cama, para onde aponta a cabeceira, a melhor primeiro</translation>
    </message>
    <message>
        <source>Shared bed, worked out from the two charts</source>
        <translation>Cama do casal, calculada a partir dos dois diagramas</translation>
    </message>
    <message>
        <source>Desk or work seat, the way you face</source>
        <translation>Mesa ou posto de trabalho, para onde se olha</translation>
    </message>
    <message>
        <source>North</source>
        <comment>inside a sentence</comment>
        <translation>norte</translation>
    </message>
    <message>
        <source>North East</source>
        <comment>inside a sentence</comment>
        <translation>nordeste</translation>
    </message>
    <message>
        <source>East</source>
        <comment>inside a sentence</comment>
        <translation>leste</translation>
    </message>
    <message>
        <source>South East</source>
        <comment>inside a sentence</comment>
        <translation>sudeste</translation>
    </message>
    <message>
        <source>South</source>
        <comment>inside a sentence</comment>
        <translation>sul</translation>
    </message>
    <message>
        <source>South West</source>
        <comment>inside a sentence</comment>
        <translation>sudoeste</translation>
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
        <translation>Uma linha junto à borda: direção favorável para a sua casa.</translation>
    </message>
    <message>
        <source>%1 for the house</source>
        <extracomment>The house&apos;s star in a list of whose star it is, as in &quot;%1 for %2&quot;: &quot;Five Ghosts for the house&quot;</extracomment>
        <translation>%1 para a casa</translation>
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
        <translation>L</translation>
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
        <translation>Você</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Seu par</translation>
    </message>
    <message>
        <source>Both of You</source>
        <translation>Vocês dois</translation>
    </message>
    <message>
        <source>Suc|cess</source>
        <extracomment>A star&apos;s name on the compass chart. A | marks where the word may break with a hyphen when it does not fit on one line; it is never shown. Give a shorter form where the chart needs one.</extracomment>
        <translation>Su|ces|so</translation>
    </message>
    <message>
        <source>Health</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Saúde</translation>
    </message>
    <message>
        <source>Re|la|tion|ship</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Re|la|cio|na|men|to</translation>
    </message>
    <message>
        <source>Per|son|al</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Evo|lu|ção pes|soal</translation>
    </message>
    <message>
        <source>Mis|haps</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Con|tra|tem|pos</translation>
    </message>
    <message>
        <source>Five Ghosts</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Cinco fan|tas|mas</translation>
    </message>
    <message>
        <source>Six Kill|ings</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Seis mor|tes</translation>
    </message>
    <message>
        <source>Total Loss</source>
        <extracomment>A star&apos;s name on the compass chart; see Suc|cess</extracomment>
        <translation>Perda total</translation>
    </message>
</context>
<context>
    <name>ui::DirectionsPanel</name>
    <message>
        <source>Your directions</source>
        <translation>Suas direções</translation>
    </message>
    <message>
        <source>Your partner&apos;s directions</source>
        <translation>Direções do seu par</translation>
    </message>
    <message>
        <source>Your directions and your partner&apos;s</source>
        <translation>Suas direções e as do seu par</translation>
    </message>
    <message>
        <source>Your directions and advice</source>
        <translation>Suas direções e conselhos</translation>
    </message>
</context>
<context>
    <name>ui::House</name>
    <message>
        <source>a %1 house of the East group</source>
        <extracomment>A house after the trigram of the side it sits on: &quot;a Kan house of the East group&quot;</extracomment>
        <translation>uma casa %1 do grupo Leste</translation>
    </message>
    <message>
        <source>a %1 house of the West group</source>
        <extracomment>See &quot;a %1 house of the East group&quot;</extracomment>
        <translation>uma casa %1 do grupo Oeste</translation>
    </message>
    <message>
        <source>Your house: %1</source>
        <translation>Sua casa: %1</translation>
    </message>
    <message>
        <source>Type the facing in degrees, from 0 to 359.9, as the compass shows it.</source>
        <translation>Digite a orientação em graus, de 0 a 359,9, como a bússola mostra.</translation>
    </message>
    <message>
        <source>%1: faces %2, sits %3: %4</source>
        <extracomment>%1 the degrees, %2 the direction the house faces, %3 the one it sits on (both as inside a sentence), %4 the house: &quot;183°: faces South, sits North: a Kan house of the East group&quot;</extracomment>
        <translation>%1: frente para o %2, fundos para o %3: %4</translation>
    </message>
    <message>
        <source>%1 lies on the line between %2 and %3: the house is either %4 or %5. Measure again, a step to one side, to tell which.</source>
        <extracomment>%1 the degrees, %2 and %3 the two directions it lies between, %4 and %5 the two houses</extracomment>
        <translation>%1 fica bem no limite entre o %2 e o %3: pode ser %4 ou %5. Dê um passo para o lado e meça de novo para saber qual.</translation>
    </message>
    <message>
        <source>%1: of the East group, like the house</source>
        <translation>%1: do grupo Leste, como a casa</translation>
    </message>
    <message>
        <source>%1: of the West group, like the house</source>
        <translation>%1: do grupo Oeste, como a casa</translation>
    </message>
    <message>
        <source>%1: of the East group, in a West-group house: inside it, use your own favourable directions</source>
        <translation>%1: do grupo Leste, numa casa do grupo Oeste: dentro dela, valem as suas próprias direções favoráveis</translation>
    </message>
    <message>
        <source>%1: of the West group, in an East-group house: inside it, use your own favourable directions</source>
        <translation>%1: do grupo Oeste, numa casa do grupo Leste: dentro dela, valem as suas próprias direções favoráveis</translation>
    </message>
    <message>
        <source>The facing is the side the house looks out of, usually the side of the front door, not a balcony. Stand outside the main door, looking out, away from metal and cars, and type the degrees the compass shows (magnetic north). Without a compass, choose the direction.</source>
        <translation>A orientação é o lado para onde a casa olha, em geral o da porta de entrada, não o de uma varanda. Fique do lado de fora da porta principal, olhando para fora, longe de metais e carros, e digite os graus que a bússola mostra (norte magnético). Sem bússola, escolha a direção.</translation>
    </message>
</context>
<context>
    <name>ui::HouseBox</name>
    <message>
        <source>Your House</source>
        <translation>Sua casa</translation>
    </message>
    <message>
        <source>Facing of your house in degrees</source>
        <translation>Orientação da sua casa em graus</translation>
    </message>
    <message>
        <source>The direction your house faces</source>
        <translation>Direção para a qual sua casa está voltada</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Selecione</translation>
    </message>
    <message>
        <source>Forget This House</source>
        <translation>Esquecer esta casa</translation>
    </message>
    <message>
        <source>Facing in degrees:</source>
        <translation>Orientação em graus:</translation>
    </message>
    <message>
        <source>or the direction:</source>
        <translation>ou a direção:</translation>
    </message>
    <message>
        <source>Plan of Your Home...</source>
        <translation>Planta da sua casa...</translation>
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
        <translation>O centro da casa, que não pertence a nenhuma direção.</translation>
    </message>
    <message>
        <source>On the line between %1 and %2, which a compass held by hand cannot tell apart.</source>
        <extracomment>%1 and %2 two directions</extracomment>
        <translation>Bem no limite entre o %1 e o %2, que uma bússola na mão não consegue distinguir.</translation>
    </message>
    <message>
        <source>North is turned %1 clockwise from the plan&apos;s top.</source>
        <extracomment>%1 an angle in degrees: &quot;North is turned 30° clockwise from the plan&apos;s top.&quot;</extracomment>
        <translation>O norte está girado %1 no sentido horário em relação ao topo da planta.</translation>
    </message>
    <message>
        <source>The centre lies %1% across and %2% down the plan.</source>
        <extracomment>%1 and %2 shares in per cent of the plan&apos;s width and height</extracomment>
        <translation>O centro fica a %1% da largura da planta a partir da esquerda e a %2% da altura a partir do topo.</translation>
    </message>
    <message>
        <source>Your Home</source>
        <translation>Sua casa</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <extracomment>%1 a date</extracomment>
        <translation>Criado em %1</translation>
    </message>
    <message>
        <source>+ and green: favourable for all shown. − and red: unfavourable for all shown. No colour: favourable for some, unfavourable for others.</source>
        <translation>+ e verde: favorável para todos os exibidos. − e vermelho: desfavorável para todos os exibidos. Sem cor: favorável para uns, desfavorável para outros.</translation>
    </message>
    <message>
        <source>This file cannot be read as a plan. Please choose a picture file of at most 64 MB on this computer.</source>
        <translation>Não é possível ler este arquivo como planta. Escolha um arquivo de imagem de no máximo 64 MB que esteja neste computador.</translation>
    </message>
    <message>
        <source>This file is no PNG or JPEG picture. Please choose a picture of your home&apos;s plan.</source>
        <translation>Este arquivo não é uma imagem PNG nem JPEG. Escolha uma imagem da planta da sua casa.</translation>
    </message>
    <message>
        <source>This picture is damaged or incomplete. Please choose another copy of it.</source>
        <translation>Esta imagem está danificada ou incompleta. Escolha outra cópia dela.</translation>
    </message>
    <message>
        <source>This picture is too large. Please choose a plan of at most 40 million pixels.</source>
        <translation>Esta imagem é grande demais. Escolha uma planta de no máximo 40 milhões de pixels.</translation>
    </message>
    <message>
        <source>The picture did not arrive in time. Please copy it onto this computer and try again.</source>
        <translation>A imagem não chegou a tempo. Copie-a para este computador e tente novamente.</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Planta</translation>
    </message>
    <message>
        <source>Open a picture of your home&apos;s plan, a PNG or JPEG file, or drop it here.</source>
        <translation>Abra uma imagem da planta da sua casa, um arquivo PNG ou JPEG, ou arraste-a para cá.</translation>
    </message>
</context>
<context>
    <name>ui::ReadingPage</name>
    <message>
        <source>Feng Shui Compatibility Reading for %1</source>
        <translation>Leitura de compatibilidade no feng shui: %1</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>Data: %1</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>Your Partner</source>
        <translation>Seu par</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Direções</translation>
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
        <translation>pt_BR</translation>
    </message>
</context>
<context>
    <name>ui::frmFengShuiCompatibilityResult</name>
    <message>
        <source>Your Kua Number</source>
        <translation>Seu número Kua</translation>
    </message>
    <message>
        <source>Your Partner&apos;s Kua Number</source>
        <translation>Número Kua do seu par</translation>
    </message>
    <message>
        <source>Trigram Compatibility</source>
        <translation>Compatibilidade dos trigramas</translation>
    </message>
    <message>
        <source>%1 picture</source>
        <translation>Imagem: %1</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Sem imagem</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility</source>
        <translation>Compatibilidade no feng shui</translation>
    </message>
    <message>
        <source>Rich Text Format (*.fsc)</source>
        <translation>Formato Rich Text (*.fsc)</translation>
    </message>
    <message>
        <source>Could Not Save The File.
%1</source>
        <translation>Não foi possível salvar o arquivo.
%1</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exportar como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Não foi possível exportar o arquivo.
%1</translation>
    </message>
    <message>
        <source>Could Not Print The Reading.
%1</source>
        <translation>Não foi possível imprimir a leitura.
%1</translation>
    </message>
    <message>
        <source>Your Directions</source>
        <translation>Suas direções</translation>
    </message>
</context>
<context>
    <name>ui::frmHomePlan</name>
    <message>
        <source>Your Home</source>
        <translation>Sua casa</translation>
    </message>
    <message>
        <source>Open Plan...</source>
        <translation>Abrir planta...</translation>
    </message>
    <message>
        <source>North, in degrees clockwise from the plan&apos;s top</source>
        <translation>Norte, em graus no sentido horário a partir do topo da planta</translation>
    </message>
    <message>
        <source>Align with the Front Door</source>
        <translation>Alinhar pela porta de entrada</translation>
    </message>
    <message>
        <source>Eight sectors</source>
        <translation>Oito setores</translation>
    </message>
    <message>
        <source>A 3 × 3 grid</source>
        <translation>Uma grade de 3 × 3</translation>
    </message>
    <message>
        <source>The house</source>
        <translation>A casa</translation>
    </message>
    <message>
        <source>What each part of the plan holds</source>
        <translation>O que cada parte da planta contém</translation>
    </message>
    <message>
        <source>The centre: draw the rectangle around the home; its diagonals cross at the centre. A part missing or sticking out by less than a third of its side counts as inside. Drag the centre, or the tip of the north arrow. Keys on the plan: the arrows move it, Ctrl and the arrows move the centre, + and − zoom, 0 fits it.</source>
        <translation>O centro: trace o retângulo em volta da casa; suas diagonais se cruzam no centro. Uma parte que falte ou que se projete para fora menos de um terço do seu lado conta como dentro. Arraste o centro ou a ponta da seta do norte. Teclas na planta: as setas a movem, Ctrl e as setas movem o centro, + e − aproximam e afastam, 0 a ajusta à janela.</translation>
    </message>
    <message>
        <source>Forget This Plan</source>
        <translation>Esquecer esta planta</translation>
    </message>
    <message>
        <source>&amp;North, clockwise from the plan&apos;s top:</source>
        <translation>&amp;Norte, no sentido horário a partir do topo da planta:</translation>
    </message>
    <message>
        <source>&amp;Divide the plan into:</source>
        <translation>&amp;Dividir a planta em:</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Click the front door on the plan, or move the marker with the arrows and press Enter.</source>
        <translation>Clique na porta de entrada na planta, ou mova o marcador com as setas e pressione Enter.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Open Plan...</source>
        <translation>&amp;Abrir planta...</translation>
    </message>
    <message>
        <source>&amp;Export Plan as PDF...</source>
        <translation>&amp;Exportar planta como PDF...</translation>
    </message>
    <message>
        <source>&amp;Print Plan...</source>
        <translation>&amp;Imprimir planta...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Exibir</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Fit the Plan</source>
        <translation>A&amp;justar a planta</translation>
    </message>
    <message>
        <source>Open the Plan of Your Home</source>
        <translation>Abrir a planta da sua casa</translation>
    </message>
    <message>
        <source>Plans (*.png *.jpg *.jpeg)</source>
        <translation>Plantas (*.png *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>The kept plan of your home could not be opened again.
%1</source>
        <translation>Não foi possível abrir novamente a planta guardada da sua casa.
%1</translation>
    </message>
    <message>
        <source>There is no folder to keep it in.</source>
        <translation>Não há nenhuma pasta onde guardá-la.</translation>
    </message>
    <message>
        <source>The plan is shown, but it could not be kept for the next start.
%1</source>
        <translation>A planta está sendo exibida, mas não foi possível guardá-la para a próxima vez que o programa for aberto.
%1</translation>
    </message>
    <message>
        <source>Enter your house&apos;s facing on the Your Directions tab.</source>
        <translation>Informe a orientação da sua casa na aba “Suas direções”.</translation>
    </message>
    <message>
        <source>The front door cannot be the centre. Please pick it again.</source>
        <translation>A porta de entrada não pode ser o centro. Escolha-a novamente.</translation>
    </message>
    <message>
        <source>Could Not Print The Plan.
%1</source>
        <translation>Não foi possível imprimir a planta.
%1</translation>
    </message>
    <message>
        <source>Export Plan as PDF</source>
        <translation>Exportar planta como PDF</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Could Not Export The File.
%1</source>
        <translation>Não foi possível exportar o arquivo.
%1</translation>
    </message>
</context>
<context>
    <name>ui::frmMain</name>
    <message>
        <source>January</source>
        <translation>janeiro</translation>
    </message>
    <message>
        <source>February</source>
        <translation>fevereiro</translation>
    </message>
    <message>
        <source>March</source>
        <translation>março</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maio</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junho</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julho</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>setembro</translation>
    </message>
    <message>
        <source>October</source>
        <translation>outubro</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembro</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dezembro</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Digite seu nome.</translation>
    </message>
    <message>
        <source>Please Specify Your Sex</source>
        <translation>Selecione seu sexo.</translation>
    </message>
    <message>
        <source>Please Enter Your Partner&apos;s Name</source>
        <translation>Digite o nome do seu par.</translation>
    </message>
    <message>
        <source>Please Specify Your Partner&apos;s Sex</source>
        <translation>Selecione o sexo do seu par.</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Selecione um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Selecione um dia ou mês válido!</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Abrir leitura salva</translation>
    </message>
    <message>
        <source>Feng Shui Compatibility (*.fsc)</source>
        <translation>Compatibilidade no feng shui (*.fsc)</translation>
    </message>
</context>
</TS>
