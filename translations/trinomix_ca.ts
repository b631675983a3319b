<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>trinomix: %1
Escriba «trinomix --help» para ver las opciones.
</source>
        <translation>trinomix: %1
Escriviu «trinomix --help» per veure les opcions.
</translation>
    </message>
    <message>
        <source>Resuelve ecuaciones de segundo grado, a·x² + b·x + c = d, en una ventana.</source>
        <translation>Resol equacions de segon grau, a·x² + b·x + c = d, en una finestra.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Mostra aquesta ajuda i acaba.</translation>
    </message>
    <message>
        <source>Muestra la versión del programa y termina.</source>
        <translation>Mostra la versió del programa i acaba.</translation>
    </message>
    <message>
        <source>Argumento no admitido «%1».</source>
        <translation>Argument no admès «%1».</translation>
    </message>
</context>
<context>
    <name>Derivation</name>
    <message>
        <source>Multiplicamos por %1 para trabajar con números enteros:</source>
        <translation>Multipliquem per %1 per treballar amb nombres enters:</translation>
    </message>
    <message>
        <source>Multiplicamos por 10 elevado a %1 para trabajar con números enteros:</source>
        <translation>Multipliquem per 10 elevat a %1 per treballar amb nombres enters:</translation>
    </message>
    <message>
        <source>Ecuación:</source>
        <translation>Equació:</translation>
    </message>
    <message>
        <source>Pasamos d al primer miembro:</source>
        <translation>Passem d al primer membre:</translation>
    </message>
    <message>
        <source>Multiplicamos por −1 para que el coeficiente de x² sea positivo:</source>
        <translation>Multipliquem per −1 perquè el coeficient de x² sigui positiu:</translation>
    </message>
    <message>
        <source>Dividimos entre %1, el máximo común divisor de los coeficientes:</source>
        <translation>Dividim per %1, el màxim comú divisor dels coeficients:</translation>
    </message>
    <message>
        <source>Coeficientes de la forma normal:</source>
        <translation>Coeficients de la forma normal:</translation>
    </message>
    <message>
        <source>Discriminante:</source>
        <translation>Discriminant:</translation>
    </message>
    <message>
        <source>Como D &gt; 0, la ecuación tiene dos soluciones reales distintas:</source>
        <translation>Com que D &gt; 0, l&apos;equació té dues solucions reals diferents:</translation>
    </message>
    <message>
        <source>Como D = 0, la ecuación tiene una solución real doble:</source>
        <translation>Com que D = 0, l&apos;equació té una solució real doble:</translation>
    </message>
    <message>
        <source>Como D &lt; 0, no tiene soluciones reales: tiene dos soluciones complejas conjugadas:</source>
        <translation>Com que D &lt; 0, no té solucions reals: té dues solucions complexes conjugades:</translation>
    </message>
    <message>
        <source>Fórmula de la ecuación de segundo grado:</source>
        <translation>Fórmula de l&apos;equació de segon grau:</translation>
    </message>
    <message>
        <source>La raíz de un número negativo es imaginaria, con i² = −1</source>
        <translation>L&apos;arrel d&apos;un nombre negatiu és imaginària, amb i² = −1</translation>
    </message>
    <message>
        <source>Raíz del discriminante</source>
        <translation>Arrel del discriminant</translation>
    </message>
    <message>
        <source>, sacando los factores cuadrados</source>
        <translation>, traient-ne els factors quadrats</translation>
    </message>
    <message>
        <source>, que no tiene factores cuadrados</source>
        <translation>, que no té factors quadrats</translation>
    </message>
    <message>
        <source>; no se han buscado factores cuadrados mayores que %1, pero el resultado es exacto</source>
        <translation>; no s&apos;han cercat factors quadrats més grans que %1, però el resultat és exacte</translation>
    </message>
    <message>
        <source>:</source>
        <extracomment>Ends the sentence about the root of the discriminant, before its formula.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>Solución doble:</source>
        <translation>Solució doble:</translation>
    </message>
    <message>
        <source>Primera solución, con +:</source>
        <translation>Primera solució, amb +:</translation>
    </message>
    <message>
        <source>Segunda solución, con −:</source>
        <translation>Segona solució, amb −:</translation>
    </message>
    <message>
        <source>Simplificamos:</source>
        <translation>Simplifiquem:</translation>
    </message>
    <message>
        <source>Soluciones:</source>
        <translation>Solucions:</translation>
    </message>
    <message>
        <source>Forma factorizada:</source>
        <translation>Forma factoritzada:</translation>
    </message>
    <message>
        <source>Forma canónica, completando el cuadrado:</source>
        <translation>Forma canònica, completant el quadrat:</translation>
    </message>
    <message>
        <source>Vértice de la parábola, con h = −b/2a y k = −D/4a:</source>
        <translation>Vèrtex de la paràbola, amb h = −b/2a i k = −D/4a:</translation>
    </message>
    <message>
        <source>Eje de simetría:</source>
        <translation>Eix de simetria:</translation>
    </message>
    <message>
        <source>Corte con el eje y:</source>
        <translation>Ordenada a l&apos;origen:</translation>
    </message>
    <message>
        <source>Comprobación: sustituimos %1 en la ecuación:</source>
        <translation>Comprovació: substituïm %1 a l&apos;equació:</translation>
    </message>
    <message>
        <source>Valor decimal:</source>
        <translation>Valor decimal:</translation>
    </message>
    <message>
        <source>Valores decimales, con ≈ donde se han redondeado a 15 cifras:</source>
        <translation>Valors decimals, amb ≈ on s&apos;han arrodonit a 15 xifres significatives:</translation>
    </message>
    <message>
        <source>Inecuación:</source>
        <translation>Inequació:</translation>
    </message>
    <message>
        <source>Hacemos las operaciones:</source>
        <translation>Fem les operacions:</translation>
    </message>
    <message>
        <source>Quitamos los paréntesis con el producto notable %1:</source>
        <translation>Traiem els parèntesis amb el producte notable %1:</translation>
    </message>
    <message>
        <source>Quitamos los paréntesis con los productos notables %1:</source>
        <translation>Traiem els parèntesis amb els productes notables %1:</translation>
    </message>
    <message>
        <source>Quitamos los paréntesis:</source>
        <translation>Traiem els parèntesis:</translation>
    </message>
    <message>
        <source>Multiplicamos los dos miembros por %1, el mínimo común múltiplo de los denominadores:</source>
        <translation>Multipliquem els dos membres per %1, el mínim comú múltiple dels denominadors:</translation>
    </message>
    <message>
        <source>Pasamos todos los términos al primer miembro:</source>
        <translation>Passem tots els termes al primer membre:</translation>
    </message>
    <message>
        <source>Agrupamos los términos semejantes:</source>
        <translation>Agrupem els termes semblants:</translation>
    </message>
    <message>
        <source>Multiplicamos por −1 para que el coeficiente de x² sea positivo; la desigualdad cambia de sentido:</source>
        <translation>Multipliquem per −1 perquè el coeficient de x² sigui positiu; la desigualtat canvia de sentit:</translation>
    </message>
    <message>
        <source>No es de segundo grado: queda %1, %2</source>
        <translation>No és de segon grau: queda %1, %2</translation>
    </message>
    <message>
        <source>Es una identidad: se cumple para cualquier valor de x</source>
        <translation>És una identitat: es compleix per a qualsevol valor de x</translation>
    </message>
    <message>
        <source>Se cumple para cualquier valor de x</source>
        <translation>Es compleix per a qualsevol valor de x</translation>
    </message>
    <message>
        <source>No tiene solución</source>
        <translation>No té solució</translation>
    </message>
    <message>
        <source>Ecuación incompleta: despejamos x²</source>
        <translation>Equació incompleta: aïllem x²</translation>
    </message>
    <message>
        <source>Sacamos factor común x</source>
        <translation>Traiem factor comú x</translation>
    </message>
    <message>
        <source>Un producto es cero si lo es uno de sus factores</source>
        <translation>Un producte és zero si ho és un dels seus factors</translation>
    </message>
    <message>
        <source>Raíz cuadrada de los dos miembros</source>
        <translation>Arrel quadrada dels dos membres</translation>
    </message>
    <message>
        <source>Suma y producto de las raíces</source>
        <translation>Suma i producte de les arrels</translation>
    </message>
    <message>
        <source>Completar el cuadrado</source>
        <translation>Completar el quadrat</translation>
    </message>
    <message>
        <source>Fórmula general</source>
        <translation>Fórmula general</translation>
    </message>
    <message>
        <source>Las dos soluciones coinciden:</source>
        <translation>Les dues solucions coincideixen:</translation>
    </message>
    <message>
        <source>Signo del polinomio en cada intervalo: el de a fuera de las raíces, el contrario entre ellas:</source>
        <translation>Signe del polinomi a cada interval: el de a fora de les arrels, el contrari entre elles:</translation>
    </message>
    <message>
        <source>Signo del polinomio: el de a en todas partes salvo en la raíz doble, donde vale 0:</source>
        <translation>Signe del polinomi: el de a a tot arreu excepte a l&apos;arrel doble, on val 0:</translation>
    </message>
    <message>
        <source>Sin raíces reales, el polinomio tiene siempre el signo de a:</source>
        <translation>Sense arrels reals, el polinomi té sempre el signe de a:</translation>
    </message>
    <message>
        <source>Solución en forma de intervalos:</source>
        <translation>Solució en forma d&apos;intervals:</translation>
    </message>
    <message>
        <source>Solución en forma de conjunto:</source>
        <translation>Solució en forma de conjunt:</translation>
    </message>
    <message>
        <source>Dividimos entre %1:</source>
        <translation>Dividim entre %1:</translation>
    </message>
    <message>
        <source>Primer factor igual a cero:</source>
        <translation>Primer factor igual a zero:</translation>
    </message>
    <message>
        <source>Segundo factor igual a cero:</source>
        <translation>Segon factor igual a zero:</translation>
    </message>
    <message>
        <source>Método: </source>
        <translation>Mètode: </translation>
    </message>
    <message>
        <source>Ningún cuadrado de un número real es negativo: no tiene solución real. Con i² = −1, sus soluciones complejas son:</source>
        <translation>Cap quadrat d&apos;un nombre real és negatiu: no té solució real. Amb i² = −1, les seves solucions complexes són:</translation>
    </message>
    <message>
        <source>Raíz cuadrada de los dos miembros:</source>
        <translation>Arrel quadrada dels dos membres:</translation>
    </message>
    <message>
        <source>Despejamos x:</source>
        <translation>Aïllem x:</translation>
    </message>
    <message>
        <source>Dos números enteros con esa suma y ese producto:</source>
        <translation>Dos nombres enters amb aquesta suma i aquest producte:</translation>
    </message>
    <message>
        <source>Pasamos el término independiente al segundo miembro:</source>
        <translation>Passem el terme independent al segon membre:</translation>
    </message>
    <message>
        <source>Sumamos a los dos miembros el cuadrado de la mitad de %1:</source>
        <translation>Sumem als dos membres el quadrat de la meitat de %1:</translation>
    </message>
    <message>
        <source>El primer miembro es un cuadrado:</source>
        <translation>El primer membre és un quadrat:</translation>
    </message>
</context>
<context>
    <name>Desarrollo</name>
    <message>
        <source>Desarrollo</source>
        <translation>Desenvolupament</translation>
    </message>
    <message>
        <source>Resolución paso a paso de la última ecuación calculada</source>
        <translation>Resolució pas a pas de l&apos;última equació calculada</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimeix…</translation>
    </message>
    <message>
        <source>&amp;Exportar PDF…</source>
        <translation>&amp;Exporta a PDF…</translation>
    </message>
    <message>
        <source>Pulse Calcular para ver aquí el desarrollo de la ecuación.</source>
        <translation>Premeu Calcula per veure aquí el desenvolupament de l&apos;equació.</translation>
    </message>
    <message>
        <source>No hay ninguna ecuación de segundo grado que desarrollar.</source>
        <translation>No hi ha cap equació de segon grau per desenvolupar.</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exporta a PDF</translation>
    </message>
    <message>
        <source>desarrollo.pdf</source>
        <translation>desenvolupament.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Desarrollo</source>
        <translation>&amp;Desenvolupament</translation>
    </message>
    <message>
        <source>&amp;Gráfica</source>
        <translation>&amp;Gràfica</translation>
    </message>
    <message>
        <source>No se encuentra el módulo de la gráfica del programa.</source>
        <translation>No es troba el mòdul de la gràfica del programa.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el documento en %1.</source>
        <translation>No s&apos;ha pogut desar el document a %1.</translation>
    </message>
    <message>
        <source>Los coeficientes han cambiado desde este cálculo: pulse Calcular para desarrollar los nuevos.</source>
        <translation>Els coeficients han canviat des d&apos;aquest càlcul: premeu Calcular per desenvolupar els nous.</translation>
    </message>
    <message>
        <source>Desarrollo: %1</source>
        <translation>Desenvolupament: %1</translation>
    </message>
    <message>
        <source>Método de resolución</source>
        <translation>Mètode de resolució</translation>
    </message>
    <message>
        <source>Mé&amp;todo:</source>
        <translation>Mè&amp;tode:</translation>
    </message>
    <message>
        <source>Guardar como &amp;HTML…</source>
        <translation>Desa com a &amp;HTML…</translation>
    </message>
    <message>
        <source>Guardar como HTML</source>
        <translation>Desa com a HTML</translation>
    </message>
    <message>
        <source>desarrollo.html</source>
        <translation>desenvolupament.html</translation>
    </message>
    <message>
        <source>Páginas web (*.html *.htm)</source>
        <translation>Pàgines web (*.html *.htm)</translation>
    </message>
    <message>
        <source>No se ha podido guardar la página en %1.</source>
        <translation>No s&apos;ha pogut desar la pàgina a %1.</translation>
    </message>
    <message>
        <source>Ce&amp;rrar</source>
        <translation>Ta&amp;nca</translation>
    </message>
</context>
<context>
    <name>Equation</name>
    <message>
        <source>Los números son demasiado grandes</source>
        <translation>Els nombres són massa grans</translation>
    </message>
    <message>
        <source>No se puede dividir entre cero</source>
        <translation>No es pot dividir entre zero</translation>
    </message>
    <message>
        <source>Solo se admiten los exponentes 0, 1 y 2</source>
        <translation>Només s&apos;admeten els exponents 0, 1 i 2</translation>
    </message>
    <message>
        <source>La ecuación es de grado %1; este programa resuelve las de grado 2</source>
        <translation>L&apos;equació és de grau %1; aquest programa resol les de grau 2</translation>
    </message>
    <message>
        <source>Falta un número, la x o un paréntesis</source>
        <translation>Hi falta un nombre, la x o un parèntesi</translation>
    </message>
    <message>
        <source>Sobra un signo de relación: solo puede haber un =, &lt;, &gt;, ≤ o ≥</source>
        <translation>Sobra un signe de relació: només hi pot haver un =, &lt;, &gt;, ≤ o ≥</translation>
    </message>
    <message>
        <source>El número está mal escrito</source>
        <translation>El nombre està mal escrit</translation>
    </message>
    <message>
        <source>No se entiende el signo «%1»</source>
        <translation>No s&apos;entén el signe «%1»</translation>
    </message>
    <message>
        <source>Sobra un paréntesis de cierre</source>
        <translation>Sobra un parèntesi de tancament</translation>
    </message>
    <message>
        <source>Falta un signo de operación</source>
        <translation>Hi falta un signe d&apos;operació</translation>
    </message>
    <message>
        <source>La ecuación está vacía</source>
        <translation>L&apos;equació és buida</translation>
    </message>
    <message>
        <source>Falta el primer miembro</source>
        <translation>Hi falta el primer membre</translation>
    </message>
    <message>
        <source>Falta el segundo miembro</source>
        <translation>Hi falta el segon membre</translation>
    </message>
    <message>
        <source>La x no puede estar en un denominador</source>
        <translation>La x no pot estar en un denominador</translation>
    </message>
    <message>
        <source>Hay demasiados paréntesis, uno dentro de otro: caben %1</source>
        <translation>Hi ha massa parèntesis, l&apos;un dins l&apos;altre: n&apos;hi caben %1</translation>
    </message>
    <message>
        <source>Falta cerrar un paréntesis</source>
        <translation>Falta tancar un parèntesi</translation>
    </message>
    <message>
        <source>La ecuación es demasiado larga: caben %1 caracteres</source>
        <translation>L&apos;equació és massa llarga: hi caben %1 caràcters</translation>
    </message>
</context>
<context>
    <name>EquationWindow</name>
    <message>
        <source>Ecuación</source>
        <translation>Equació</translation>
    </message>
    <message>
        <source>&amp;Ecuación (por ejemplo x(x + 3) = 10):</source>
        <translation>&amp;Equació (per exemple x(x + 3) = 10):</translation>
    </message>
    <message>
        <source>Arriba y Abajo recorren las últimas ecuaciones resueltas</source>
        <translation>Amunt i Avall recorren les darreres equacions resoltes</translation>
    </message>
    <message>
        <source>Dónde se detuvo la lectura</source>
        <translation>On s&apos;ha aturat la lectura</translation>
    </message>
    <message>
        <source>Lectura</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>&amp;Resolver</source>
        <translation>&amp;Resol</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Tanca</translation>
    </message>
    <message>
        <source>%1. Los campos no cambian: no es una ecuación de segundo grado.</source>
        <translation>%1. Els camps no canvien: no és una equació de segon grau.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clic: pone o quita un valor de X.</source>
        <translation>Clic: posa o treu un valor de X.</translation>
    </message>
    <message>
        <source>Solución 1:</source>
        <translation>Solució 1:</translation>
    </message>
    <message>
        <source>Solución 2:</source>
        <translation>Solució 2:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calcula</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>Coeficiente de x²</source>
        <translation>Coeficient de x²</translation>
    </message>
    <message>
        <source>Coeficiente a del término a·x²</source>
        <translation>Coeficient a del terme a·x²</translation>
    </message>
    <message>
        <source>Coeficiente de x</source>
        <translation>Coeficient de x</translation>
    </message>
    <message>
        <source>Coeficiente b del término b·x</source>
        <translation>Coeficient b del terme b·x</translation>
    </message>
    <message>
        <source>Término independiente</source>
        <translation>Terme independent</translation>
    </message>
    <message>
        <source>Término constante c</source>
        <translation>Terme constant c</translation>
    </message>
    <message>
        <source>Lado derecho</source>
        <translation>Costat dret</translation>
    </message>
    <message>
        <source>Valor d al otro lado del signo igual</source>
        <translation>Valor d a l&apos;altre costat del signe igual</translation>
    </message>
    <message>
        <source>Término lineal</source>
        <translation>Terme lineal</translation>
    </message>
    <message>
        <source>Clic o Alt+X: pone o quita un valor de X.</source>
        <translation>Clic o Alt+X: posa o treu un valor de X.</translation>
    </message>
    <message>
        <source>Página web del proyecto</source>
        <translation>Pàgina web del projecte</translation>
    </message>
    <message>
        <source>Clic o F1: abre la página web</source>
        <translation>Clic o F1: obre la pàgina web</translation>
    </message>
    <message>
        <source>solución %1</source>
        <translation>solució %1</translation>
    </message>
    <message>
        <source>Solución %1</source>
        <translation>Solució %1</translation>
    </message>
    <message>
        <source>La %1 en forma decimal</source>
        <translation>La %1 en forma decimal</translation>
    </message>
    <message>
        <source>Solución %1 en notación científica</source>
        <translation>Solució %1 en notació científica</translation>
    </message>
    <message>
        <source>Copia de la %1 en notación científica</source>
        <translation>Còpia de la %1 en notació científica</translation>
    </message>
    <message>
        <source>Numerador de la %1</source>
        <translation>Numerador de la %1</translation>
    </message>
    <message>
        <source>Forma exacta sin simplificar</source>
        <translation>Forma exacta sense simplificar</translation>
    </message>
    <message>
        <source>Denominador de la %1</source>
        <translation>Denominador de la %1</translation>
    </message>
    <message>
        <source>Numerador simplificado de la %1</source>
        <translation>Numerador simplificat de la %1</translation>
    </message>
    <message>
        <source>Forma exacta simplificada</source>
        <translation>Forma exacta simplificada</translation>
    </message>
    <message>
        <source>Denominador simplificado de la %1</source>
        <translation>Denominador simplificat de la %1</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;Fitxer</translation>
    </message>
    <message>
        <source>&amp;Edición</source>
        <translation>&amp;Edita</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Desfés</translation>
    </message>
    <message>
        <source>Co&amp;rtar</source>
        <translation>Re&amp;talla</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Pegar</source>
        <translation>&amp;Enganxa</translation>
    </message>
    <message>
        <source>B&amp;orrar Todo</source>
        <translation>Esb&amp;orra-ho tot</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Opcions</translation>
    </message>
    <message>
        <source>Número &amp;PI</source>
        <translation>Número &amp;PI</translation>
    </message>
    <message>
        <source>&amp;Elevar a</source>
        <translation>&amp;Eleva a</translation>
    </message>
    <message>
        <source>C&amp;entrar</source>
        <translation>C&amp;entra</translation>
    </message>
    <message>
        <source>&amp;Calculadora</source>
        <translation>&amp;Calculadora</translation>
    </message>
    <message>
        <source>&amp;Notación científica</source>
        <translation>&amp;Notació científica</translation>
    </message>
    <message>
        <source>&amp;Siempre Visible</source>
        <translation>&amp;Sempre visible</translation>
    </message>
    <message>
        <source>S&amp;iempre = 0</source>
        <translation>S&amp;empre = 0</translation>
    </message>
    <message>
        <source>Simplificar Raiz Compleja</source>
        <translation>Simplifica l&apos;arrel complexa</translation>
    </message>
    <message>
        <source>&amp;Avanzado</source>
        <translation>&amp;Avançat</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Acerca de...</source>
        <translation>&amp;Quant a...</translation>
    </message>
    <message>
        <source>Menú</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>&amp;Borrar todo</source>
        <translation>&amp;Esborra-ho tot</translation>
    </message>
    <message>
        <source>S&amp;alir</source>
        <translation>S&amp;urt</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calcula</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Desfés</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Retalla</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Enganxa</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Esborra</translation>
    </message>
    <message>
        <source>Borrar Todo</source>
        <translation>Esborra-ho tot</translation>
    </message>
    <message>
        <source>Centrar</source>
        <translation>Centra</translation>
    </message>
    <message>
        <source>Calculadora</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Ejecutar Calculadora</source>
        <translation>Executa la calculadora</translation>
    </message>
    <message>
        <source>Notación científica</source>
        <translation>Notació científica</translation>
    </message>
    <message>
        <source>Siempre Visible</source>
        <translation>Sempre visible</translation>
    </message>
    <message>
        <source>Siempre = 0</source>
        <translation>Sempre = 0</translation>
    </message>
    <message>
        <source>Simplificar Solución Compleja</source>
        <translation>Simplifica la solució complexa</translation>
    </message>
    <message>
        <source>Avanzado</source>
        <translation>Avançat</translation>
    </message>
    <message>
        <source>Menú Avanzado</source>
        <translation>Menú avançat</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Acerca de...</source>
        <translation>Quant a...</translation>
    </message>
    <message>
        <source>No se ha podido ejecutar la calculadora</source>
        <translation>No s&apos;ha pogut executar la calculadora</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Escriba la dirección de la calculadora</source>
        <translation><byte value="xd"/>
Escriviu l&apos;adreça de la calculadora</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Autor: %1<byte value="xd"/>
Versión: %2.%3.%4<byte value="xd"/>
Licencia: GPL-3.0-or-later<byte value="xd"/>
%5</source>
        <translation>Autor: %1<byte value="xd"/>
Versió: %2.%3.%4<byte value="xd"/>
Llicència: GPL-3.0-or-later<byte value="xd"/>
%5</translation>
    </message>
    <message>
        <source>Son las %1 del día %2</source>
        <translation>Són les %1 del dia %2</translation>
    </message>
    <message>
        <source>Imposible continuar con la operación.<byte value="xd"/>
Operación cancelada.</source>
        <translation>Impossible continuar l&apos;operació.<byte value="xd"/>
Operació cancel·lada.</translation>
    </message>
    <message>
        <source>No puede copiar el texto del portapapeles porque<byte value="xd"/>
el texto numérico actual ya contiene un separador decimal (%1).</source>
        <translation>No podeu enganxar el text del porta-retalls perquè<byte value="xd"/>
el text numèric actual ja conté un separador decimal (%1).</translation>
    </message>
    <message>
        <source>Trinomix v%1.%2.%3 by %4</source>
        <translation>Trinomix v%1.%2.%3 per %4</translation>
    </message>
    <message>
        <source>¿Desea salir de la aplicación?</source>
        <translation>Voleu sortir de l&apos;aplicació?</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Surt</translation>
    </message>
    <message>
        <source>Operación cancelada.</source>
        <translation>Operació cancel·lada.</translation>
    </message>
    <message>
        <source>Solución compleja</source>
        <translation>Solució complexa</translation>
    </message>
    <message>
        <source>Valor introducido elevado al cuadrado no válido.</source>
        <translation>El valor elevat al quadrat no és vàlid.</translation>
    </message>
    <message>
        <source>Imposible continuar con la operación.</source>
        <translation>Impossible continuar l&apos;operació.</translation>
    </message>
    <message>
        <source>&amp;Seleccionar</source>
        <translation>&amp;Selecciona</translation>
    </message>
    <message>
        <source>&amp;Seleccionar (%1º)</source>
        <translation>&amp;Selecciona (camp %1)</translation>
    </message>
    <message>
        <source>&amp;Borrar (%1º)</source>
        <translation>&amp;Esborra (camp %1)</translation>
    </message>
    <message>
        <source>&amp;Borrar</source>
        <translation>&amp;Esborra</translation>
    </message>
    <message>
        <source>Introduzca el signo</source>
        <translation>Introduïu el signe</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un exponente(E)!!</source>
        <translation>No podeu introduir un exponent (E)!</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un separador decimal(%1)!!</source>
        <translation>No podeu introduir un separador decimal (%1)!</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un menos(-)!!</source>
        <translation>No podeu introduir un menys (-)!</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un más(+)!!</source>
        <translation>No podeu introduir un més (+)!</translation>
    </message>
    <message>
        <source>Valor actual del texto (%1) no válido<byte value="xd"/>
Se procede a reparar el texto.</source>
        <translation>El text actual del camp %1 no és vàlid<byte value="xd"/>
Es repararà el text.</translation>
    </message>
    <message>
        <source>Error: No se puede continuar con la operación</source>
        <translation>Error: no es pot continuar l&apos;operació</translation>
    </message>
    <message>
        <source>Por favor introduzca un valor.<byte value="xd"/>
Para introducir un valor decimal use la COMA (,)</source>
        <translation>Introduïu un valor.<byte value="xd"/>
Per introduir un valor decimal feu servir la COMA (,)</translation>
    </message>
    <message>
        <source>Atención</source>
        <translation>Atenció</translation>
    </message>
    <message>
        <source>Valor no válido u Operación cancelada.</source>
        <translation>Valor no vàlid o operació cancel·lada.</translation>
    </message>
    <message>
        <source>&amp;Multiplicar por PI (%1º)</source>
        <translation>&amp;Multiplica per PI (camp %1)</translation>
    </message>
    <message>
        <source>&amp;Dividir entre PI (%1º)</source>
        <translation>&amp;Divideix entre PI (camp %1)</translation>
    </message>
    <message>
        <source>&amp;Invertir 1/X (%1º)</source>
        <translation>&amp;Inverteix 1/X (camp %1)</translation>
    </message>
    <message>
        <source>&amp;Y (%1º)</source>
        <translation>&amp;Y (camp %1)</translation>
    </message>
    <message>
        <source>Toolbar1</source>
        <translation>Barra d&apos;eines</translation>
    </message>
    <message>
        <source>&amp;Desarrollo</source>
        <translation>&amp;Desenvolupament</translation>
    </message>
    <message>
        <source>No se ha podido guardar la configuración en el archivo<byte value="xd"/>
%1<byte value="xd"/>
Compruebe que se puede escribir en su carpeta y que queda espacio en el disco.</source>
        <translation>No s&apos;ha pogut desar la configuració al fitxer<byte value="xd"/>
%1<byte value="xd"/>
Comproveu que es pot escriure a la carpeta i que queda espai al disc.</translation>
    </message>
    <message>
        <source>Texto numérico %1 no válido. Este error puede deberse a que hay uno o más caracteres no válidos en el cuadro de texto.<byte value="xd"/>
Compruebe que el número está entre los intervalos -%2 a -%3 para valores negativos y de %3 a %2 para valores positivos.</source>
        <translation>El text numèric %1 no és vàlid. Aquest error pot ser degut a un o més caràcters no vàlids al quadre de text.<byte value="xd"/>
Comproveu que el nombre és entre -%2 i -%3 per als valors negatius i entre %3 i %2 per als valors positius.</translation>
    </message>
    <message>
        <source>Por favor introduzca un valor.<byte value="xd"/>
Para introducir un valor decimal use el PUNTO (.)</source>
        <translation>Introduïu un valor.<byte value="xd"/>
Per introduir un valor decimal feu servir el PUNT (.)</translation>
    </message>
    <message>
        <source>Un coeficiente no es un número válido: no hay nada que desarrollar.</source>
        <translation>Un coeficient no és un nombre vàlid: no hi ha res a desenvolupar.</translation>
    </message>
    <message>
        <source>Operación cancelada: no hay desarrollo que mostrar.</source>
        <translation>Operació cancel·lada: no hi ha desenvolupament per mostrar.</translation>
    </message>
    <message>
        <source>El coeficiente de x² es 0: no es una ecuación de segundo grado.</source>
        <translation>El coeficient de x² és 0: no és una equació de segon grau.</translation>
    </message>
    <message>
        <source>No se ha podido abrir ningún navegador web.<byte value="xd"/>
La dirección del proyecto es:<byte value="xd"/>
%1</source>
        <translation>No s&apos;ha pogut obrir cap navegador web.<byte value="xd"/>
L&apos;adreça del projecte és:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 no existe.</source>
        <translation>%1 no existeix.</translation>
    </message>
    <message>
        <source>%1 es una carpeta, no un programa.</source>
        <translation>%1 és una carpeta, no un programa.</translation>
    </message>
    <message>
        <source>%1 no es un programa que se pueda ejecutar.</source>
        <translation>%1 no és un programa que es pugui executar.</translation>
    </message>
    <message>
        <source>«%1» no nombra ningún programa.</source>
        <translation>«%1» no anomena cap programa.</translation>
    </message>
    <message>
        <source>El sistema no ha podido poner en marcha %1.</source>
        <translation>El sistema no ha pogut engegar %1.</translation>
    </message>
    <message>
        <source>&amp;Ecuación…</source>
        <translation>&amp;Equació…</translation>
    </message>
    <message>
        <source>&amp;Practicar</source>
        <translation>&amp;Practica</translation>
    </message>
    <message>
        <source>&amp;Multiplicar por PI</source>
        <translation>&amp;Multiplica per PI</translation>
    </message>
    <message>
        <source>&amp;Dividir entre PI</source>
        <translation>&amp;Divideix per PI</translation>
    </message>
    <message>
        <source>&amp;2</source>
        <translation>&amp;2</translation>
    </message>
    <message>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <source>&amp;Invertir 1/X</source>
        <translation>&amp;Inverteix 1/X</translation>
    </message>
    <message>
        <source>igual a</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>fracción</source>
        <translation>fracció</translation>
    </message>
    <message>
        <source>Sin forma exacta</source>
        <translation>Sense forma exacta</translation>
    </message>
    <message>
        <source>Más botones</source>
        <translation>Més botons</translation>
    </message>
</context>
<context>
    <name>Grafica</name>
    <message>
        <source>Tamaño de la gráfica</source>
        <translation>Mida de la gràfica</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Ancho:</source>
        <translation>&amp;Amplada:</translation>
    </message>
    <message>
        <source>A&amp;lto:</source>
        <translation>A&amp;lçada:</translation>
    </message>
    <message>
        <source>Gráfica</source>
        <translation>Gràfica</translation>
    </message>
    <message>
        <source>&amp;Vista inicial</source>
        <translation>&amp;Vista inicial</translation>
    </message>
    <message>
        <source>E&amp;xportar gráfica…</source>
        <translation>E&amp;xporta la gràfica…</translation>
    </message>
    <message>
        <source>Exportar gráfica</source>
        <translation>Exporta la gràfica</translation>
    </message>
    <message>
        <source>grafica.png</source>
        <translation>grafica.png</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)</source>
        <translation>Imatge PNG (*.png);;Dibuix SVG (*.svg);;Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido guardar la gráfica en %1.</source>
        <translation>No s&apos;ha pogut desar la gràfica a %1.</translation>
    </message>
</context>
<context>
    <name>PlotChart</name>
    <message>
        <source>Eje x</source>
        <translation>Eix x</translation>
    </message>
    <message>
        <source>Eje y</source>
        <translation>Eix y</translation>
    </message>
    <message>
        <source>Eje de simetría</source>
        <translation>Eix de simetria</translation>
    </message>
    <message>
        <source>Parábola</source>
        <translation>Paràbola</translation>
    </message>
    <message>
        <source>Raíz</source>
        <translation>Arrel</translation>
    </message>
    <message>
        <source>Vértice</source>
        <translation>Vèrtex</translation>
    </message>
    <message>
        <source>Corte con el eje y</source>
        <translation>Ordenada a l&apos;origen</translation>
    </message>
    <message>
        <source>La parábola no corta al eje x: las soluciones no son reales.</source>
        <translation>La paràbola no talla l&apos;eix x: les solucions no són reals.</translation>
    </message>
    <message>
        <source>Sin gráfica: no hay ninguna ecuación resuelta.</source>
        <translation>Sense gràfica: no hi ha cap equació resolta.</translation>
    </message>
    <message>
        <source>No corta al eje x.</source>
        <translation>No talla l&apos;eix x.</translation>
    </message>
    <message>
        <source>Toca al eje x en un solo punto, %1.</source>
        <translation>Toca l&apos;eix x en un sol punt, %1.</translation>
    </message>
    <message>
        <source>Corta al eje x en %1 y en %2.</source>
        <translation>Talla l&apos;eix x a %1 i a %2.</translation>
    </message>
    <message>
        <source>Parábola de vértice %1, abierta hacia %2. %3 Corta al eje y en %4.</source>
        <translation>Paràbola de vèrtex %1, oberta cap %2. %3 Talla l&apos;eix y a %4.</translation>
    </message>
    <message>
        <source>arriba</source>
        <translation>amunt</translation>
    </message>
    <message>
        <source>abajo</source>
        <translation>avall</translation>
    </message>
    <message>
        <source>Solución de la inecuación</source>
        <translation>Solució de la inequació</translation>
    </message>
    <message>
        <source>Extremo incluido</source>
        <translation>Extrem inclòs</translation>
    </message>
    <message>
        <source>Extremo excluido</source>
        <translation>Extrem exclòs</translation>
    </message>
    <message>
        <source>La parte sombreada del eje x resuelve la inecuación: %1.</source>
        <translation>La part ombrejada de l&apos;eix x resol la inequació: %1.</translation>
    </message>
</context>
<context>
    <name>Practica</name>
    <message>
        <source>Falta la otra solución.</source>
        <translation>Falta l&apos;altra solució.</translation>
    </message>
    <message>
        <source>Eso no es una solución de la ecuación.</source>
        <translation>Això no és una solució de l&apos;equació.</translation>
    </message>
    <message>
        <source>Has escrito la misma solución dos veces; falta la otra.</source>
        <translation>Has escrit la mateixa solució dues vegades; falta l&apos;altra.</translation>
    </message>
    <message>
        <source>Una solución está bien; la otra tiene el signo cambiado.</source>
        <translation>Una solució és correcta; l&apos;altra té el signe canviat.</translation>
    </message>
    <message>
        <source>Una solución está bien; la otra no.</source>
        <translation>Una solució és correcta; l&apos;altra no.</translation>
    </message>
    <message>
        <source>Las dos soluciones tienen el signo cambiado.</source>
        <translation>Les dues solucions tenen el signe canviat.</translation>
    </message>
    <message>
        <source>Ninguna de las dos es solución de la ecuación.</source>
        <translation>Cap de les dues no és solució de l&apos;equació.</translation>
    </message>
    <message>
        <source>Correcto; la forma exacta es mejor: %1</source>
        <translation>Correcte; la forma exacta és millor: %1</translation>
    </message>
    <message>
        <source>Correcto; más simple: %1</source>
        <translation>Correcte; més simple: %1</translation>
    </message>
    <message>
        <source>Dices que no hay solución real, pero escribes una solución.</source>
        <translation>Dius que no hi ha solució real, però escrius una solució.</translation>
    </message>
    <message>
        <source>La ecuación sí tiene soluciones reales.</source>
        <translation>L&apos;equació sí que té solucions reals.</translation>
    </message>
    <message>
        <source>Escribe las soluciones, una en cada línea.</source>
        <translation>Escriu les solucions, una a cada línia.</translation>
    </message>
    <message>
        <source>Una ecuación de segundo grado tiene dos soluciones como mucho.</source>
        <translation>Una equació de segon grau té dues solucions com a màxim.</translation>
    </message>
    <message>
        <source>Escribe al menos tres cifras significativas, o la forma exacta.</source>
        <translation>Escriu almenys tres xifres significatives, o la forma exacta.</translation>
    </message>
    <message>
        <source>No es la solución de la ecuación.</source>
        <translation>No és la solució de l&apos;equació.</translation>
    </message>
    <message>
        <source>Un número tiene un solo separador decimal.</source>
        <translation>Un nombre té un sol separador decimal.</translation>
    </message>
    <message>
        <source>Falta una cifra después del separador decimal.</source>
        <translation>Falta una xifra després del separador decimal.</translation>
    </message>
    <message>
        <source>No sé leer «%1» en una solución.</source>
        <translation>No sé llegir «%1» en una solució.</translation>
    </message>
    <message>
        <source>Escribe solo la solución, sin otro signo «=».</source>
        <translation>Escriu només la solució, sense cap altre signe «=».</translation>
    </message>
    <message>
        <source>No se puede dividir entre cero.</source>
        <translation>No es pot dividir entre zero.</translation>
    </message>
    <message>
        <source>No sé combinar raíces distintas, como √2 y √3.</source>
        <translation>No sé combinar arrels diferents, com √2 i √3.</translation>
    </message>
    <message>
        <source>Los números son demasiado grandes.</source>
        <translation>Els nombres són massa grans.</translation>
    </message>
    <message>
        <source>Hay demasiados paréntesis, raíces o signos unos dentro de otros.</source>
        <translation>Hi ha massa parèntesis, arrels o signes uns dins d&apos;altres.</translation>
    </message>
    <message>
        <source>Sobra un paréntesis de cierre.</source>
        <translation>Sobra un parèntesi de tancament.</translation>
    </message>
    <message>
        <source>Sobra algo aquí: escribe una sola solución por línea.</source>
        <translation>Aquí sobra alguna cosa: escriu una sola solució per línia.</translation>
    </message>
    <message>
        <source>El exponente ha de ser un número natural hasta %1.</source>
        <translation>L&apos;exponent ha de ser un nombre natural fins a %1.</translation>
    </message>
    <message>
        <source>Solo sé sacar la raíz cuadrada de un número racional.</source>
        <translation>Només sé treure l&apos;arrel quadrada d&apos;un nombre racional.</translation>
    </message>
    <message>
        <source>El número bajo la raíz es demasiado grande.</source>
        <translation>El nombre sota l&apos;arrel és massa gran.</translation>
    </message>
    <message>
        <source>Falta cerrar un paréntesis.</source>
        <translation>Falta tancar un parèntesi.</translation>
    </message>
    <message>
        <source>Falta un número aquí.</source>
        <translation>Falta un nombre aquí.</translation>
    </message>
    <message>
        <source>La respuesta es demasiado larga: como mucho %1 caracteres.</source>
        <translation>La resposta és massa llarga: com a màxim %1 caràcters.</translation>
    </message>
    <message>
        <source>Escribe un solo signo ± en cada línea.</source>
        <translation>Escriu un sol signe ± a cada línia.</translation>
    </message>
</context>
<context>
    <name>Practicar</name>
    <message>
        <source>Ecuación: %1</source>
        <translation>Equació: %1</translation>
    </message>
    <message>
        <source>Desarrollo</source>
        <translation>Desenvolupament</translation>
    </message>
    <message>
        <source>Practicar</source>
        <translation>Practica</translation>
    </message>
    <message>
        <source>Ecuaciones para resolver, una cada vez, con su comprobación</source>
        <translation>Equacions per resoldre, una cada vegada, amb la seva comprovació</translation>
    </message>
    <message>
        <source>Solución %1</source>
        <translation>Solució %1</translation>
    </message>
    <message>
        <source>Solución &amp;%1:</source>
        <translation>Solució &amp;%1:</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Res&amp;ultado:</source>
        <translation>Res&amp;ultat:</translation>
    </message>
    <message>
        <source>Tipos de ecuación</source>
        <translation>Tipus d&apos;equació</translation>
    </message>
    <message>
        <source>&amp;Nueva semilla</source>
        <translation>N&amp;ova llavor</translation>
    </message>
    <message>
        <source>&amp;Dificultad:</source>
        <translation>&amp;Dificultat:</translation>
    </message>
    <message>
        <source>S&amp;emilla:</source>
        <translation>&amp;Llavor:</translation>
    </message>
    <message>
        <source>&amp;Comprobar</source>
        <translation>&amp;Comprova</translation>
    </message>
    <message>
        <source>&amp;Pista</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Ver desarrollo</source>
        <translation>&amp;Mostra el desenvolupament</translation>
    </message>
    <message>
        <source>&amp;Siguiente</source>
        <translation>&amp;Següent</translation>
    </message>
    <message>
        <source>Copiar ecuación</source>
        <translation>Copia l&apos;equació</translation>
    </message>
    <message>
        <source>Copia la ecuación (Ctrl+Mayús+C)</source>
        <translation>Copia l&apos;equació (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>&amp;Hoja de ejercicios…</source>
        <translation>&amp;Full d&apos;exercicis…</translation>
    </message>
    <message>
        <source>Ce&amp;rrar</source>
        <translation>Ta&amp;nca</translation>
    </message>
    <message>
        <source>Ejercicio %1</source>
        <translation>Exercici %1</translation>
    </message>
    <message>
        <source>Solución %1, carácter %2: %3</source>
        <translation>Solució %1, caràcter %2: %3</translation>
    </message>
    <message>
        <source>Correcto.</source>
        <translation>Correcte.</translation>
    </message>
    <message>
        <source>Aciertos: %1 de %2</source>
        <translation>Encerts: %1 de %2</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Full d&apos;exercicis</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Exporta PDF</translation>
    </message>
    <message>
        <source>hoja-%1.pdf</source>
        <translation>full-%1.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido guardar el documento en %1.</source>
        <translation>No s&apos;ha pogut desar el document a %1.</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Arrels enteres</translation>
    </message>
    <message>
        <source>Raíces racionales</source>
        <translation>Arrels racionals</translation>
    </message>
    <message>
        <source>Raíces irracionales</source>
        <translation>Arrels irracionals</translation>
    </message>
    <message>
        <source>Raíces complejas</source>
        <translation>Arrels complexes</translation>
    </message>
    <message>
        <source>Una raíz doble</source>
        <translation>Una arrel doble</translation>
    </message>
    <message>
        <source>Incompletas (b = 0 o c = 0)</source>
        <translation>Incompletes (b = 0 o c = 0)</translation>
    </message>
    <message>
        <source>Hay que desarrollar primero</source>
        <translation>Cal desenvolupar primer</translation>
    </message>
    <message>
        <source>fácil</source>
        <translation>fàcil</translation>
    </message>
    <message>
        <source>media</source>
        <translation>mitjana</translation>
    </message>
    <message>
        <source>difícil</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>Semilla: %1. Dificultad: %2. Ejercicios: %3.</source>
        <translation>Llavor: %1. Dificultat: %2. Exercicis: %3.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ecuaciones de segundo grado</source>
        <translation>Equacions de segon grau</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solucions</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Aceptar</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·la</translation>
    </message>
    <message>
        <source>Acerca de %1</source>
        <translation>Quant a %1</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimeix</translation>
    </message>
</context>
<context>
    <name>SolveSummary</name>
    <message>
        <source>un medio</source>
        <translation>un mig</translation>
    </message>
    <message>
        <source>%1 medios</source>
        <translation>%1 mitjos</translation>
    </message>
    <message>
        <source>un tercio</source>
        <translation>un terç</translation>
    </message>
    <message>
        <source>%1 tercios</source>
        <translation>%1 terços</translation>
    </message>
    <message>
        <source>un cuarto</source>
        <translation>un quart</translation>
    </message>
    <message>
        <source>%1 cuartos</source>
        <translation>%1 quarts</translation>
    </message>
    <message>
        <source>un quinto</source>
        <translation>un cinquè</translation>
    </message>
    <message>
        <source>%1 quintos</source>
        <translation>%1 cinquens</translation>
    </message>
    <message>
        <source>un sexto</source>
        <translation>un sisè</translation>
    </message>
    <message>
        <source>%1 sextos</source>
        <translation>%1 sisens</translation>
    </message>
    <message>
        <source>un séptimo</source>
        <translation>un setè</translation>
    </message>
    <message>
        <source>%1 séptimos</source>
        <translation>%1 setens</translation>
    </message>
    <message>
        <source>un octavo</source>
        <translation>un vuitè</translation>
    </message>
    <message>
        <source>%1 octavos</source>
        <translation>%1 vuitens</translation>
    </message>
    <message>
        <source>un noveno</source>
        <translation>un novè</translation>
    </message>
    <message>
        <source>%1 novenos</source>
        <translation>%1 novens</translation>
    </message>
    <message>
        <source>un décimo</source>
        <translation>un desè</translation>
    </message>
    <message>
        <source>%1 décimos</source>
        <translation>%1 desens</translation>
    </message>
</context>
<context>
    <name>SpokenFormula</name>
    <message>
        <source>más</source>
        <translation>més</translation>
    </message>
    <message>
        <source>menos</source>
        <translation>menys</translation>
    </message>
    <message>
        <source>más o menos</source>
        <translation>més o menys</translation>
    </message>
    <message>
        <source>igual a</source>
        <translation>igual a</translation>
    </message>
    <message>
        <source>aproximadamente igual a</source>
        <translation>aproximadament igual a</translation>
    </message>
    <message>
        <source>por</source>
        <translation>per</translation>
    </message>
    <message>
        <source>mayor que</source>
        <translation>més gran que</translation>
    </message>
    <message>
        <source>menor que</source>
        <translation>més petit que</translation>
    </message>
    <message>
        <source>%1 entre %2</source>
        <translation>%1 entre %2</translation>
    </message>
    <message>
        <source>fracción de numerador %1 y denominador %2,</source>
        <translation>fracció de numerador %1 i denominador %2,</translation>
    </message>
    <message>
        <source>raíz cuadrada de %1</source>
        <translation>arrel quadrada de %1</translation>
    </message>
    <message>
        <source>raíz cuadrada de %1, fin de raíz</source>
        <translation>arrel quadrada de %1, fi de l&apos;arrel</translation>
    </message>
    <message>
        <source>%1 al cuadrado</source>
        <translation>%1 al quadrat</translation>
    </message>
    <message>
        <source>%1 elevado a %2</source>
        <translation>%1 elevat a %2</translation>
    </message>
    <message>
        <source>%1 subíndice %2</source>
        <translation>%1 subíndex %2</translation>
    </message>
    <message>
        <source>abre paréntesis %1 cierra paréntesis</source>
        <translation>obre parèntesi %1 tanca parèntesi</translation>
    </message>
    <message>
        <source>mayor o igual que</source>
        <translation>major o igual que</translation>
    </message>
    <message>
        <source>menor o igual que</source>
        <translation>menor o igual que</translation>
    </message>
    <message>
        <source>distinto de</source>
        <translation>diferent de</translation>
    </message>
    <message>
        <source>perteneciente a</source>
        <translation>que pertany a</translation>
    </message>
    <message>
        <source>unión</source>
        <translation>unió</translation>
    </message>
    <message>
        <source>infinito</source>
        <translation>infinit</translation>
    </message>
    <message>
        <source>los números reales</source>
        <translation>els nombres reals</translation>
    </message>
    <message>
        <source>el conjunto vacío</source>
        <translation>el conjunt buit</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>MAYÚS</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NÚM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>INS</source>
        <translation>INS</translation>
    </message>
    <message>
        <source>Dos soluciones reales: x uno igual a %1, x dos igual a %2</source>
        <translation>Dues solucions reals: x u igual a %1, x dos igual a %2</translation>
    </message>
    <message>
        <source>Dos soluciones complejas: x uno igual a %1, x dos igual a %2</source>
        <translation>Dues solucions complexes: x u igual a %1, x dos igual a %2</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Full d&apos;exercicis</translation>
    </message>
    <message>
        <source>Solo las &amp;soluciones</source>
        <translation>Només les &amp;solucions</translation>
    </message>
    <message>
        <source>Con el &amp;desarrollo completo</source>
        <translation>Amb el &amp;desenvolupament complet</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Imprimeix…</translation>
    </message>
    <message>
        <source>Exportar &amp;PDF…</source>
        <translation>Exporta &amp;PDF…</translation>
    </message>
    <message>
        <source>&amp;Número de ejercicios:</source>
        <translation>&amp;Nombre d&apos;exercicis:</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Clau:</translation>
    </message>
</context>
</TS>
