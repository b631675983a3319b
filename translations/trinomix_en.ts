<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>trinomix: %1
Escriba «trinomix --help» para ver las opciones.
</source>
        <translation>trinomix: %1
Type “trinomix --help” to see the options.
</translation>
    </message>
    <message>
        <source>Resuelve ecuaciones de segundo grado, a·x² + b·x + c = d, en una ventana.</source>
        <translation>Solves second-degree equations, a·x² + b·x + c = d, in a window.</translation>
    </message>
    <message>
        <source>Muestra esta ayuda y termina.</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>Muestra la versión del programa y termina.</source>
        <translation>Shows the program&apos;s version and exits.</translation>
    </message>
    <message>
        <source>Argumento no admitido «%1».</source>
        <translation>Argument not accepted: “%1”.</translation>
    </message>
</context>
<context>
    <name>Derivation</name>
    <message>
        <source>Multiplicamos por %1 para trabajar con números enteros:</source>
        <translation>Multiply by %1 to work with whole numbers:</translation>
    </message>
    <message>
        <source>Multiplicamos por 10 elevado a %1 para trabajar con números enteros:</source>
        <translation>Multiply by 10 to the power %1 to work with whole numbers:</translation>
    </message>
    <message>
        <source>Ecuación:</source>
        <translation>Equation:</translation>
    </message>
    <message>
        <source>Pasamos d al primer miembro:</source>
        <translation>Move d to the left-hand side:</translation>
    </message>
    <message>
        <source>Multiplicamos por −1 para que el coeficiente de x² sea positivo:</source>
        <translation>Multiply by −1 so that the coefficient of x² is positive:</translation>
    </message>
    <message>
        <source>Dividimos entre %1, el máximo común divisor de los coeficientes:</source>
        <translation>Divide by %1, the greatest common divisor of the coefficients:</translation>
    </message>
    <message>
        <source>Coeficientes de la forma normal:</source>
        <translation>Coefficients of the standard form:</translation>
    </message>
    <message>
        <source>Discriminante:</source>
        <translation>Discriminant:</translation>
    </message>
    <message>
        <source>Como D &gt; 0, la ecuación tiene dos soluciones reales distintas:</source>
        <translation>Since D &gt; 0, the equation has two distinct real solutions:</translation>
    </message>
    <message>
        <source>Como D = 0, la ecuación tiene una solución real doble:</source>
        <translation>Since D = 0, the equation has one repeated real solution:</translation>
    </message>
    <message>
        <source>Como D &lt; 0, no tiene soluciones reales: tiene dos soluciones complejas conjugadas:</source>
        <translation>Since D &lt; 0, it has no real solutions: it has two complex conjugate solutions:</translation>
    </message>
    <message>
        <source>Fórmula de la ecuación de segundo grado:</source>
        <translation>The quadratic formula:</translation>
    </message>
    <message>
        <source>La raíz de un número negativo es imaginaria, con i² = −1</source>
        <translation>The square root of a negative number is imaginary, with i² = −1</translation>
    </message>
    <message>
        <source>Raíz del discriminante</source>
        <translation>Square root of the discriminant</translation>
    </message>
    <message>
        <source>, sacando los factores cuadrados</source>
        <translation>, taking out the square factors</translation>
    </message>
    <message>
        <source>, que no tiene factores cuadrados</source>
        <translation>, which has no square factors</translation>
    </message>
    <message>
        <source>; no se han buscado factores cuadrados mayores que %1, pero el resultado es exacto</source>
        <translation>; square factors greater than %1 were not searched for, but the result is exact</translation>
    </message>
    <message>
        <source>:</source>
        <extracomment>Ends the sentence about the root of the discriminant, before its formula.</extracomment>
        <translation>:</translation>
    </message>
    <message>
        <source>Solución doble:</source>
        <translation>Repeated solution:</translation>
    </message>
    <message>
        <source>Primera solución, con +:</source>
        <translation>First solution, with +:</translation>
    </message>
    <message>
        <source>Segunda solución, con −:</source>
        <translation>Second solution, with −:</translation>
    </message>
    <message>
        <source>Simplificamos:</source>
        <translation>Simplify:</translation>
    </message>
    <message>
        <source>Soluciones:</source>
        <translation>Solutions:</translation>
    </message>
    <message>
        <source>Forma factorizada:</source>
        <translation>Factored form:</translation>
    </message>
    <message>
        <source>Forma canónica, completando el cuadrado:</source>
        <translation>Vertex form, completing the square:</translation>
    </message>
    <message>
        <source>Vértice de la parábola, con h = −b/2a y k = −D/4a:</source>
        <translation>Vertex of the parabola, with h = −b/2a and k = −D/4a:</translation>
    </message>
    <message>
        <source>Eje de simetría:</source>
        <translation>Axis of symmetry:</translation>
    </message>
    <message>
        <source>Corte con el eje y:</source>
        <translation>y-intercept:</translation>
    </message>
    <message>
        <source>Comprobación: sustituimos %1 en la ecuación:</source>
        <translation>Check: substitute %1 into the equation:</translation>
    </message>
    <message>
        <source>Valor decimal:</source>
        <translation>Decimal value:</translation>
    </message>
    <message>
        <source>Valores decimales, con ≈ donde se han redondeado a 15 cifras:</source>
        <translation>Decimal values, with ≈ where rounded to 15 significant digits:</translation>
    </message>
    <message>
        <source>Inecuación:</source>
        <translation>Inequality:</translation>
    </message>
    <message>
        <source>Hacemos las operaciones:</source>
        <translation>We carry out the operations:</translation>
    </message>
    <message>
        <source>Quitamos los paréntesis con el producto notable %1:</source>
        <translation>We remove the brackets with the special product %1:</translation>
    </message>
    <message>
        <source>Quitamos los paréntesis con los productos notables %1:</source>
        <translation>We remove the brackets with the special products %1:</translation>
    </message>
    <message>
        <source>Quitamos los paréntesis:</source>
        <translation>We remove the brackets:</translation>
    </message>
    <message>
        <source>Multiplicamos los dos miembros por %1, el mínimo común múltiplo de los denominadores:</source>
        <translation>We multiply both sides by %1, the least common multiple of the denominators:</translation>
    </message>
    <message>
        <source>Pasamos todos los términos al primer miembro:</source>
        <translation>We move every term to the left side:</translation>
    </message>
    <message>
        <source>Agrupamos los términos semejantes:</source>
        <translation>We collect like terms:</translation>
    </message>
    <message>
        <source>Multiplicamos por −1 para que el coeficiente de x² sea positivo; la desigualdad cambia de sentido:</source>
        <translation>We multiply by −1 so that the coefficient of x² is positive; the inequality changes direction:</translation>
    </message>
    <message>
        <source>No es de segundo grado: queda %1, %2</source>
        <translation>It is not of second degree: it reduces to %1, %2</translation>
    </message>
    <message>
        <source>Es una identidad: se cumple para cualquier valor de x</source>
        <translation>It is an identity: it holds for every value of x</translation>
    </message>
    <message>
        <source>Se cumple para cualquier valor de x</source>
        <translation>It holds for every value of x</translation>
    </message>
    <message>
        <source>No tiene solución</source>
        <translation>It has no solution</translation>
    </message>
    <message>
        <source>Ecuación incompleta: despejamos x²</source>
        <translation>Incomplete equation: we isolate x²</translation>
    </message>
    <message>
        <source>Sacamos factor común x</source>
        <translation>We take out the common factor x</translation>
    </message>
    <message>
        <source>Un producto es cero si lo es uno de sus factores</source>
        <translation>A product is zero if one of its factors is</translation>
    </message>
    <message>
        <source>Raíz cuadrada de los dos miembros</source>
        <translation>Square root of both sides</translation>
    </message>
    <message>
        <source>Suma y producto de las raíces</source>
        <translation>Sum and product of the roots</translation>
    </message>
    <message>
        <source>Completar el cuadrado</source>
        <translation>Completing the square</translation>
    </message>
    <message>
        <source>Fórmula general</source>
        <translation>Quadratic formula</translation>
    </message>
    <message>
        <source>Las dos soluciones coinciden:</source>
        <translation>The two solutions coincide:</translation>
    </message>
    <message>
        <source>Signo del polinomio en cada intervalo: el de a fuera de las raíces, el contrario entre ellas:</source>
        <translation>Sign of the polynomial on each interval: that of a outside the roots, the opposite between them:</translation>
    </message>
    <message>
        <source>Signo del polinomio: el de a en todas partes salvo en la raíz doble, donde vale 0:</source>
        <translation>Sign of the polynomial: that of a everywhere except at the double root, where it is 0:</translation>
    </message>
    <message>
        <source>Sin raíces reales, el polinomio tiene siempre el signo de a:</source>
        <translation>With no real roots, the polynomial always has the sign of a:</translation>
    </message>
    <message>
        <source>Solución en forma de intervalos:</source>
        <translation>Solution as intervals:</translation>
    </message>
    <message>
        <source>Solución en forma de conjunto:</source>
        <translation>Solution as a set:</translation>
    </message>
    <message>
        <source>Dividimos entre %1:</source>
        <translation>We divide by %1:</translation>
    </message>
    <message>
        <source>Primer factor igual a cero:</source>
        <translation>First factor equal to zero:</translation>
    </message>
    <message>
        <source>Segundo factor igual a cero:</source>
        <translation>Second factor equal to zero:</translation>
    </message>
    <message>
        <source>Método: </source>
        <translation>Method: </translation>
    </message>
    <message>
        <source>Ningún cuadrado de un número real es negativo: no tiene solución real. Con i² = −1, sus soluciones complejas son:</source>
        <translation>No square of a real number is negative: it has no real solution. With i² = −1, its complex solutions are:</translation>
    </message>
    <message>
        <source>Raíz cuadrada de los dos miembros:</source>
        <translation>Square root of both sides:</translation>
    </message>
    <message>
        <source>Despejamos x:</source>
        <translation>We solve for x:</translation>
    </message>
    <message>
        <source>Dos números enteros con esa suma y ese producto:</source>
        <translation>Two integers with that sum and that product:</translation>
    </message>
    <message>
        <source>Pasamos el término independiente al segundo miembro:</source>
        <translation>We move the constant term to the right-hand side:</translation>
    </message>
    <message>
        <source>Sumamos a los dos miembros el cuadrado de la mitad de %1:</source>
        <translation>We add the square of half of %1 to both sides:</translation>
    </message>
    <message>
        <source>El primer miembro es un cuadrado:</source>
        <translation>The left-hand side is a square:</translation>
    </message>
</context>
<context>
    <name>Desarrollo</name>
    <message>
        <source>Desarrollo</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Resolución paso a paso de la última ecuación calculada</source>
        <translation>Step-by-step solution of the last equation calculated</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>&amp;Exportar PDF…</source>
        <translation>&amp;Export PDF…</translation>
    </message>
    <message>
        <source>Pulse Calcular para ver aquí el desarrollo de la ecuación.</source>
        <translation>Press Calculate to see the worked solution of the equation here.</translation>
    </message>
    <message>
        <source>No hay ninguna ecuación de segundo grado que desarrollar.</source>
        <translation>There is no quadratic equation to work through.</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>desarrollo.pdf</source>
        <translation>worked-solution.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Desarrollo</source>
        <translation>&amp;Worked solution</translation>
    </message>
    <message>
        <source>&amp;Gráfica</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>No se encuentra el módulo de la gráfica del programa.</source>
        <translation>The program&apos;s graph module cannot be found.</translation>
    </message>
    <message>
        <source>No se ha podido guardar el documento en %1.</source>
        <translation>The document could not be saved to %1.</translation>
    </message>
    <message>
        <source>Los coeficientes han cambiado desde este cálculo: pulse Calcular para desarrollar los nuevos.</source>
        <translation>The coefficients have changed since this solve: press Calcular to work the new ones.</translation>
    </message>
    <message>
        <source>Desarrollo: %1</source>
        <translation>Worked solution: %1</translation>
    </message>
    <message>
        <source>Método de resolución</source>
        <translation>Solving method</translation>
    </message>
    <message>
        <source>Mé&amp;todo:</source>
        <translation>Me&amp;thod:</translation>
    </message>
    <message>
        <source>Guardar como &amp;HTML…</source>
        <translation>Save as &amp;HTML…</translation>
    </message>
    <message>
        <source>Guardar como HTML</source>
        <translation>Save as HTML</translation>
    </message>
    <message>
        <source>desarrollo.html</source>
        <translation>worked-solution.html</translation>
    </message>
    <message>
        <source>Páginas web (*.html *.htm)</source>
        <translation>Web pages (*.html *.htm)</translation>
    </message>
    <message>
        <source>No se ha podido guardar la página en %1.</source>
        <translation>The page could not be saved to %1.</translation>
    </message>
    <message>
        <source>Ce&amp;rrar</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>Equation</name>
    <message>
        <source>Los números son demasiado grandes</source>
        <translation>The numbers are too large</translation>
    </message>
    <message>
        <source>No se puede dividir entre cero</source>
        <translation>Division by zero is not possible</translation>
    </message>
    <message>
        <source>Solo se admiten los exponentes 0, 1 y 2</source>
        <translation>Only the exponents 0, 1 and 2 are allowed</translation>
    </message>
    <message>
        <source>La ecuación es de grado %1; este programa resuelve las de grado 2</source>
        <translation>The equation is of degree %1; this program solves those of degree 2</translation>
    </message>
    <message>
        <source>Falta un número, la x o un paréntesis</source>
        <translation>A number, the x or a bracket is missing</translation>
    </message>
    <message>
        <source>Sobra un signo de relación: solo puede haber un =, &lt;, &gt;, ≤ o ≥</source>
        <translation>One relation sign too many: there can be only one =, &lt;, &gt;, ≤ or ≥</translation>
    </message>
    <message>
        <source>El número está mal escrito</source>
        <translation>The number is badly written</translation>
    </message>
    <message>
        <source>No se entiende el signo «%1»</source>
        <translation>The sign “%1” is not understood</translation>
    </message>
    <message>
        <source>Sobra un paréntesis de cierre</source>
        <translation>One closing bracket too many</translation>
    </message>
    <message>
        <source>Falta un signo de operación</source>
        <translation>An operation sign is missing</translation>
    </message>
    <message>
        <source>La ecuación está vacía</source>
        <translation>The equation is empty</translation>
    </message>
    <message>
        <source>Falta el primer miembro</source>
        <translation>The left side is missing</translation>
    </message>
    <message>
        <source>Falta el segundo miembro</source>
        <translation>The right side is missing</translation>
    </message>
    <message>
        <source>La x no puede estar en un denominador</source>
        <translation>The x cannot be in a denominator</translation>
    </message>
    <message>
        <source>Hay demasiados paréntesis, uno dentro de otro: caben %1</source>
        <translation>Too many brackets inside one another: %1 fit</translation>
    </message>
    <message>
        <source>Falta cerrar un paréntesis</source>
        <translation>A bracket is not closed</translation>
    </message>
    <message>
        <source>La ecuación es demasiado larga: caben %1 caracteres</source>
        <translation>The equation is too long: %1 characters fit</translation>
    </message>
</context>
<context>
    <name>EquationWindow</name>
    <message>
        <source>Ecuación</source>
        <translation>Equation</translation>
    </message>
    <message>
        <source>&amp;Ecuación (por ejemplo x(x + 3) = 10):</source>
        <translation>&amp;Equation (for example x(x + 3) = 10):</translation>
    </message>
    <message>
        <source>Arriba y Abajo recorren las últimas ecuaciones resueltas</source>
        <translation>Up and Down go through the last equations solved</translation>
    </message>
    <message>
        <source>Dónde se detuvo la lectura</source>
        <translation>Where the reading stopped</translation>
    </message>
    <message>
        <source>Lectura</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>&amp;Resolver</source>
        <translation>&amp;Solve</translation>
    </message>
    <message>
        <source>&amp;Cerrar</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>%1. Los campos no cambian: no es una ecuación de segundo grado.</source>
        <translation>%1. The fields do not change: it is not a second-degree equation.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clic: pone o quita un valor de X.</source>
        <translation>Click: removes or restores the X term.</translation>
    </message>
    <message>
        <source>Solución 1:</source>
        <translation>Solution 1:</translation>
    </message>
    <message>
        <source>Solución 2:</source>
        <translation>Solution 2:</translation>
    </message>
    <message>
        <source>&amp;Calcular</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Coeficiente de x²</source>
        <translation>Coefficient of x²</translation>
    </message>
    <message>
        <source>Coeficiente a del término a·x²</source>
        <translation>Coefficient a of the term a·x²</translation>
    </message>
    <message>
        <source>Coeficiente de x</source>
        <translation>Coefficient of x</translation>
    </message>
    <message>
        <source>Coeficiente b del término b·x</source>
        <translation>Coefficient b of the term b·x</translation>
    </message>
    <message>
        <source>Término independiente</source>
        <translation>Constant term</translation>
    </message>
    <message>
        <source>Término constante c</source>
        <translation>Constant term c</translation>
    </message>
    <message>
        <source>Lado derecho</source>
        <translation>Right side</translation>
    </message>
    <message>
        <source>Valor d al otro lado del signo igual</source>
        <translation>Value d on the other side of the equals sign</translation>
    </message>
    <message>
        <source>Término lineal</source>
        <translation>Linear term</translation>
    </message>
    <message>
        <source>Clic o Alt+X: pone o quita un valor de X.</source>
        <translation>Click or Alt+X: removes or restores the X term.</translation>
    </message>
    <message>
        <source>Página web del proyecto</source>
        <translation>The project&apos;s web page</translation>
    </message>
    <message>
        <source>Clic o F1: abre la página web</source>
        <translation>Click or F1: opens the web page</translation>
    </message>
    <message>
        <source>solución %1</source>
        <translation>solution %1</translation>
    </message>
    <message>
        <source>Solución %1</source>
        <translation>Solution %1</translation>
    </message>
    <message>
        <source>La %1 en forma decimal</source>
        <translation>The decimal value of %1</translation>
    </message>
    <message>
        <source>Solución %1 en notación científica</source>
        <translation>Solution %1 in scientific notation</translation>
    </message>
    <message>
        <source>Copia de la %1 en notación científica</source>
        <translation>Copy of %1 in scientific notation</translation>
    </message>
    <message>
        <source>Numerador de la %1</source>
        <translation>Numerator of %1</translation>
    </message>
    <message>
        <source>Forma exacta sin simplificar</source>
        <translation>Exact form, not reduced</translation>
    </message>
    <message>
        <source>Denominador de la %1</source>
        <translation>Denominator of %1</translation>
    </message>
    <message>
        <source>Numerador simplificado de la %1</source>
        <translation>Reduced numerator of %1</translation>
    </message>
    <message>
        <source>Forma exacta simplificada</source>
        <translation>Exact form, reduced</translation>
    </message>
    <message>
        <source>Denominador simplificado de la %1</source>
        <translation>Reduced denominator of %1</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edición</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Deshacer</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Co&amp;rtar</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>&amp;Copiar</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Pegar</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>B&amp;orrar Todo</source>
        <translation>Clear &amp;All</translation>
    </message>
    <message>
        <source>&amp;Opciones</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Número &amp;PI</source>
        <translation>Number &amp;Pi</translation>
    </message>
    <message>
        <source>&amp;Elevar a</source>
        <translation>&amp;Raise to</translation>
    </message>
    <message>
        <source>C&amp;entrar</source>
        <translation>C&amp;entre</translation>
    </message>
    <message>
        <source>&amp;Calculadora</source>
        <translation>Calc&amp;ulator</translation>
    </message>
    <message>
        <source>&amp;Notación científica</source>
        <translation>&amp;Scientific Notation</translation>
    </message>
    <message>
        <source>&amp;Siempre Visible</source>
        <translation>Always on &amp;Top</translation>
    </message>
    <message>
        <source>S&amp;iempre = 0</source>
        <translation>Al&amp;ways = 0</translation>
    </message>
    <message>
        <source>Simplificar Raiz Compleja</source>
        <translation>Simplify Complex Root</translation>
    </message>
    <message>
        <source>&amp;Avanzado</source>
        <translation>Ad&amp;vanced</translation>
    </message>
    <message>
        <source>A&amp;yuda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Acerca de...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>Menú</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>&amp;Borrar todo</source>
        <translation>Clear &amp;all</translation>
    </message>
    <message>
        <source>S&amp;alir</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Deshacer</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Borrar Todo</source>
        <translation>Clear All</translation>
    </message>
    <message>
        <source>Centrar</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Calculadora</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Ejecutar Calculadora</source>
        <translation>Start the Calculator</translation>
    </message>
    <message>
        <source>Notación científica</source>
        <translation>Scientific Notation</translation>
    </message>
    <message>
        <source>Siempre Visible</source>
        <translation>Always on Top</translation>
    </message>
    <message>
        <source>Siempre = 0</source>
        <translation>Always = 0</translation>
    </message>
    <message>
        <source>Simplificar Solución Compleja</source>
        <translation>Simplify Complex Solution</translation>
    </message>
    <message>
        <source>Avanzado</source>
        <translation>Advanced</translation>
    </message>
    <message>
        <source>Menú Avanzado</source>
        <translation>Advanced Menu</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Acerca de...</source>
        <translation>About...</translation>
    </message>
    <message>
        <source>No se ha podido ejecutar la calculadora</source>
        <translation>The calculator could not be started</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Escriba la dirección de la calculadora</source>
        <translation><byte value="xd"/>
Type the calculator&apos;s path</translation>
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
        <translation>Author: %1<byte value="xd"/>
Version: %2.%3.%4<byte value="xd"/>
Licence: GPL-3.0-or-later<byte value="xd"/>
%5</translation>
    </message>
    <message>
        <source>Son las %1 del día %2</source>
        <translation>It is %1 on %2</translation>
    </message>
    <message>
        <source>Imposible continuar con la operación.<byte value="xd"/>
Operación cancelada.</source>
        <translation>Unable to continue the operation.<byte value="xd"/>
Operation cancelled.</translation>
    </message>
    <message>
        <source>No puede copiar el texto del portapapeles porque<byte value="xd"/>
el texto numérico actual ya contiene un separador decimal (%1).</source>
        <translation>You cannot paste the text from the clipboard because<byte value="xd"/>
the current number already holds a decimal separator (%1).</translation>
    </message>
    <message>
        <source>Trinomix v%1.%2.%3 by %4</source>
        <translation>Trinomix v%1.%2.%3 by %4</translation>
    </message>
    <message>
        <source>¿Desea salir de la aplicación?</source>
        <translation>Do you want to quit the application?</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Operación cancelada.</source>
        <translation>Operation cancelled.</translation>
    </message>
    <message>
        <source>Solución compleja</source>
        <translation>Complex solution</translation>
    </message>
    <message>
        <source>Valor introducido elevado al cuadrado no válido.</source>
        <translation>The value squared is not valid.</translation>
    </message>
    <message>
        <source>Imposible continuar con la operación.</source>
        <translation>Unable to continue the operation.</translation>
    </message>
    <message>
        <source>&amp;Seleccionar</source>
        <translation>&amp;Select</translation>
    </message>
    <message>
        <source>&amp;Seleccionar (%1º)</source>
        <translation>&amp;Select (field %1)</translation>
    </message>
    <message>
        <source>&amp;Borrar (%1º)</source>
        <translation>&amp;Delete (field %1)</translation>
    </message>
    <message>
        <source>&amp;Borrar</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Introduzca el signo</source>
        <translation>Type the sign</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un exponente(E)!!</source>
        <translation>You cannot type an exponent (E)!</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un separador decimal(%1)!!</source>
        <translation>You cannot type a decimal separator (%1)!</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un menos(-)!!</source>
        <translation>You cannot type a minus (-)!</translation>
    </message>
    <message>
        <source>¡¡No puede introducir un más(+)!!</source>
        <translation>You cannot type a plus (+)!</translation>
    </message>
    <message>
        <source>Valor actual del texto (%1) no válido<byte value="xd"/>
Se procede a reparar el texto.</source>
        <translation>The current text of field %1 is not valid<byte value="xd"/>
The text will be repaired.</translation>
    </message>
    <message>
        <source>Error: No se puede continuar con la operación</source>
        <translation>Error: the operation cannot continue</translation>
    </message>
    <message>
        <source>Por favor introduzca un valor.<byte value="xd"/>
Para introducir un valor decimal use la COMA (,)</source>
        <translation>Please type a value.<byte value="xd"/>
To type a decimal value use the COMMA (,)</translation>
    </message>
    <message>
        <source>Atención</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Valor no válido u Operación cancelada.</source>
        <translation>Value not valid, or operation cancelled.</translation>
    </message>
    <message>
        <source>&amp;Multiplicar por PI (%1º)</source>
        <translation>&amp;Multiply by Pi (field %1)</translation>
    </message>
    <message>
        <source>&amp;Dividir entre PI (%1º)</source>
        <translation>&amp;Divide by Pi (field %1)</translation>
    </message>
    <message>
        <source>&amp;Invertir 1/X (%1º)</source>
        <translation>&amp;Invert 1/X (field %1)</translation>
    </message>
    <message>
        <source>&amp;Y (%1º)</source>
        <translation>&amp;Y (field %1)</translation>
    </message>
    <message>
        <source>Toolbar1</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>&amp;Desarrollo</source>
        <translation>&amp;Worked solution</translation>
    </message>
    <message>
        <source>No se ha podido guardar la configuración en el archivo<byte value="xd"/>
%1<byte value="xd"/>
Compruebe que se puede escribir en su carpeta y que queda espacio en el disco.</source>
        <translation>The settings could not be saved to the file<byte value="xd"/>
%1<byte value="xd"/>
Check that its folder can be written to and that there is space left on the disk.</translation>
    </message>
    <message>
        <source>Texto numérico %1 no válido. Este error puede deberse a que hay uno o más caracteres no válidos en el cuadro de texto.<byte value="xd"/>
Compruebe que el número está entre los intervalos -%2 a -%3 para valores negativos y de %3 a %2 para valores positivos.</source>
        <translation>Numeric text %1 is not valid. This error may be caused by one or more invalid characters in the text box.<byte value="xd"/>
Check that the number lies between -%2 and -%3 for negative values and between %3 and %2 for positive values.</translation>
    </message>
    <message>
        <source>Por favor introduzca un valor.<byte value="xd"/>
Para introducir un valor decimal use el PUNTO (.)</source>
        <translation>Please type a value.<byte value="xd"/>
To type a decimal value use the POINT (.)</translation>
    </message>
    <message>
        <source>Un coeficiente no es un número válido: no hay nada que desarrollar.</source>
        <translation>A coefficient is not a valid number: there is nothing to work out.</translation>
    </message>
    <message>
        <source>Operación cancelada: no hay desarrollo que mostrar.</source>
        <translation>Operation cancelled: there is no working to show.</translation>
    </message>
    <message>
        <source>El coeficiente de x² es 0: no es una ecuación de segundo grado.</source>
        <translation>The coefficient of x² is 0: this is not a quadratic equation.</translation>
    </message>
    <message>
        <source>No se ha podido abrir ningún navegador web.<byte value="xd"/>
La dirección del proyecto es:<byte value="xd"/>
%1</source>
        <translation>No web browser could be opened.<byte value="xd"/>
The project&apos;s address is:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 no existe.</source>
        <translation>%1 does not exist.</translation>
    </message>
    <message>
        <source>%1 es una carpeta, no un programa.</source>
        <translation>%1 is a folder, not a program.</translation>
    </message>
    <message>
        <source>%1 no es un programa que se pueda ejecutar.</source>
        <translation>%1 is not a program that can be run.</translation>
    </message>
    <message>
        <source>«%1» no nombra ningún programa.</source>
        <translation>“%1” does not name any program.</translation>
    </message>
    <message>
        <source>El sistema no ha podido poner en marcha %1.</source>
        <translation>The system could not start %1.</translation>
    </message>
    <message>
        <source>&amp;Ecuación…</source>
        <translation>&amp;Equation…</translation>
    </message>
    <message>
        <source>&amp;Practicar</source>
        <translation>&amp;Practise</translation>
    </message>
    <message>
        <source>&amp;Multiplicar por PI</source>
        <translation>&amp;Multiply by PI</translation>
    </message>
    <message>
        <source>&amp;Dividir entre PI</source>
        <translation>&amp;Divide by PI</translation>
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
        <translation>&amp;Invert 1/X</translation>
    </message>
    <message>
        <source>igual a</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>fracción</source>
        <translation>fraction</translation>
    </message>
    <message>
        <source>Sin forma exacta</source>
        <translation>No exact form</translation>
    </message>
    <message>
        <source>Más botones</source>
        <translation>More buttons</translation>
    </message>
</context>
<context>
    <name>Grafica</name>
    <message>
        <source>Tamaño de la gráfica</source>
        <translation>Graph size</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Ancho:</source>
        <translation>&amp;Width:</translation>
    </message>
    <message>
        <source>A&amp;lto:</source>
        <translation>&amp;Height:</translation>
    </message>
    <message>
        <source>Gráfica</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>&amp;Vista inicial</source>
        <translation>&amp;Reset view</translation>
    </message>
    <message>
        <source>E&amp;xportar gráfica…</source>
        <translation>E&amp;xport graph…</translation>
    </message>
    <message>
        <source>Exportar gráfica</source>
        <translation>Export graph</translation>
    </message>
    <message>
        <source>grafica.png</source>
        <translation>graph.png</translation>
    </message>
    <message>
        <source>Imagen PNG (*.png);;Dibujo SVG (*.svg);;Documento PDF (*.pdf)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido guardar la gráfica en %1.</source>
        <translation>The graph could not be saved to %1.</translation>
    </message>
</context>
<context>
    <name>PlotChart</name>
    <message>
        <source>Eje x</source>
        <translation>x axis</translation>
    </message>
    <message>
        <source>Eje y</source>
        <translation>y axis</translation>
    </message>
    <message>
        <source>Eje de simetría</source>
        <translation>Axis of symmetry</translation>
    </message>
    <message>
        <source>Parábola</source>
        <translation>Parabola</translation>
    </message>
    <message>
        <source>Raíz</source>
        <translation>Root</translation>
    </message>
    <message>
        <source>Vértice</source>
        <translation>Vertex</translation>
    </message>
    <message>
        <source>Corte con el eje y</source>
        <translation>y-intercept</translation>
    </message>
    <message>
        <source>La parábola no corta al eje x: las soluciones no son reales.</source>
        <translation>The parabola does not cross the x axis: the solutions are not real.</translation>
    </message>
    <message>
        <source>Sin gráfica: no hay ninguna ecuación resuelta.</source>
        <translation>No graph: no equation has been solved.</translation>
    </message>
    <message>
        <source>No corta al eje x.</source>
        <translation>It does not cross the x axis.</translation>
    </message>
    <message>
        <source>Toca al eje x en un solo punto, %1.</source>
        <translation>It touches the x axis at a single point, %1.</translation>
    </message>
    <message>
        <source>Corta al eje x en %1 y en %2.</source>
        <translation>It crosses the x axis at %1 and at %2.</translation>
    </message>
    <message>
        <source>Parábola de vértice %1, abierta hacia %2. %3 Corta al eje y en %4.</source>
        <translation>Parabola with vertex %1, opening %2. %3 It crosses the y axis at %4.</translation>
    </message>
    <message>
        <source>arriba</source>
        <translation>upwards</translation>
    </message>
    <message>
        <source>abajo</source>
        <translation>downwards</translation>
    </message>
    <message>
        <source>Solución de la inecuación</source>
        <translation>Solution of the inequality</translation>
    </message>
    <message>
        <source>Extremo incluido</source>
        <translation>End included</translation>
    </message>
    <message>
        <source>Extremo excluido</source>
        <translation>End excluded</translation>
    </message>
    <message>
        <source>La parte sombreada del eje x resuelve la inecuación: %1.</source>
        <translation>The shaded part of the x axis solves the inequality: %1.</translation>
    </message>
</context>
<context>
    <name>Practica</name>
    <message>
        <source>Falta la otra solución.</source>
        <translation>The other solution is missing.</translation>
    </message>
    <message>
        <source>Eso no es una solución de la ecuación.</source>
        <translation>That is not a solution of the equation.</translation>
    </message>
    <message>
        <source>Has escrito la misma solución dos veces; falta la otra.</source>
        <translation>You wrote the same solution twice; the other one is missing.</translation>
    </message>
    <message>
        <source>Una solución está bien; la otra tiene el signo cambiado.</source>
        <translation>One solution is right; the other has the wrong sign.</translation>
    </message>
    <message>
        <source>Una solución está bien; la otra no.</source>
        <translation>One solution is right; the other is not.</translation>
    </message>
    <message>
        <source>Las dos soluciones tienen el signo cambiado.</source>
        <translation>Both solutions have the wrong sign.</translation>
    </message>
    <message>
        <source>Ninguna de las dos es solución de la ecuación.</source>
        <translation>Neither is a solution of the equation.</translation>
    </message>
    <message>
        <source>Correcto; la forma exacta es mejor: %1</source>
        <translation>Right; the exact form is better: %1</translation>
    </message>
    <message>
        <source>Correcto; más simple: %1</source>
        <translation>Right; simpler: %1</translation>
    </message>
    <message>
        <source>Dices que no hay solución real, pero escribes una solución.</source>
        <translation>You say there is no real solution, but you write a solution.</translation>
    </message>
    <message>
        <source>La ecuación sí tiene soluciones reales.</source>
        <translation>The equation does have real solutions.</translation>
    </message>
    <message>
        <source>Escribe las soluciones, una en cada línea.</source>
        <translation>Write the solutions, one on each line.</translation>
    </message>
    <message>
        <source>Una ecuación de segundo grado tiene dos soluciones como mucho.</source>
        <translation>A quadratic equation has two solutions at most.</translation>
    </message>
    <message>
        <source>Escribe al menos tres cifras significativas, o la forma exacta.</source>
        <translation>Write at least three significant digits, or the exact form.</translation>
    </message>
    <message>
        <source>No es la solución de la ecuación.</source>
        <translation>That is not the solution of the equation.</translation>
    </message>
    <message>
        <source>Un número tiene un solo separador decimal.</source>
        <translation>A number has only one decimal separator.</translation>
    </message>
    <message>
        <source>Falta una cifra después del separador decimal.</source>
        <translation>A digit is missing after the decimal separator.</translation>
    </message>
    <message>
        <source>No sé leer «%1» en una solución.</source>
        <translation>I cannot read &quot;%1&quot; in a solution.</translation>
    </message>
    <message>
        <source>Escribe solo la solución, sin otro signo «=».</source>
        <translation>Write only the solution, without another &quot;=&quot; sign.</translation>
    </message>
    <message>
        <source>No se puede dividir entre cero.</source>
        <translation>You cannot divide by zero.</translation>
    </message>
    <message>
        <source>No sé combinar raíces distintas, como √2 y √3.</source>
        <translation>I cannot combine different roots, such as √2 and √3.</translation>
    </message>
    <message>
        <source>Los números son demasiado grandes.</source>
        <translation>The numbers are too large.</translation>
    </message>
    <message>
        <source>Hay demasiados paréntesis, raíces o signos unos dentro de otros.</source>
        <translation>Too many brackets, roots or signs inside one another.</translation>
    </message>
    <message>
        <source>Sobra un paréntesis de cierre.</source>
        <translation>There is one closing bracket too many.</translation>
    </message>
    <message>
        <source>Sobra algo aquí: escribe una sola solución por línea.</source>
        <translation>Something is left over here: write one solution per line.</translation>
    </message>
    <message>
        <source>El exponente ha de ser un número natural hasta %1.</source>
        <translation>The exponent must be a natural number up to %1.</translation>
    </message>
    <message>
        <source>Solo sé sacar la raíz cuadrada de un número racional.</source>
        <translation>I can only take the square root of a rational number.</translation>
    </message>
    <message>
        <source>El número bajo la raíz es demasiado grande.</source>
        <translation>The number under the root is too large.</translation>
    </message>
    <message>
        <source>Falta cerrar un paréntesis.</source>
        <translation>A bracket is not closed.</translation>
    </message>
    <message>
        <source>Falta un número aquí.</source>
        <translation>A number is missing here.</translation>
    </message>
    <message>
        <source>La respuesta es demasiado larga: como mucho %1 caracteres.</source>
        <translation>The answer is too long: %1 characters at most.</translation>
    </message>
    <message>
        <source>Escribe un solo signo ± en cada línea.</source>
        <translation>Write only one ± sign on each line.</translation>
    </message>
</context>
<context>
    <name>Practicar</name>
    <message>
        <source>Ecuación: %1</source>
        <translation>Equation: %1</translation>
    </message>
    <message>
        <source>Desarrollo</source>
        <translation>Worked solution</translation>
    </message>
    <message>
        <source>Practicar</source>
        <translation>Practise</translation>
    </message>
    <message>
        <source>Ecuaciones para resolver, una cada vez, con su comprobación</source>
        <translation>Equations to solve, one at a time, with their check</translation>
    </message>
    <message>
        <source>Solución %1</source>
        <translation>Solution %1</translation>
    </message>
    <message>
        <source>Solución &amp;%1:</source>
        <translation>Solution &amp;%1:</translation>
    </message>
    <message>
        <source>Resultado</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Res&amp;ultado:</source>
        <translation>Res&amp;ult:</translation>
    </message>
    <message>
        <source>Tipos de ecuación</source>
        <translation>Kinds of equation</translation>
    </message>
    <message>
        <source>&amp;Nueva semilla</source>
        <translation>Ne&amp;w seed</translation>
    </message>
    <message>
        <source>&amp;Dificultad:</source>
        <translation>&amp;Difficulty:</translation>
    </message>
    <message>
        <source>S&amp;emilla:</source>
        <translation>S&amp;eed:</translation>
    </message>
    <message>
        <source>&amp;Comprobar</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>&amp;Pista</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>&amp;Ver desarrollo</source>
        <translation>&amp;Show worked solution</translation>
    </message>
    <message>
        <source>&amp;Siguiente</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>Copiar ecuación</source>
        <translation>Copy equation</translation>
    </message>
    <message>
        <source>Copia la ecuación (Ctrl+Mayús+C)</source>
        <translation>Copies the equation (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <source>&amp;Hoja de ejercicios…</source>
        <translation>Wor&amp;ksheet…</translation>
    </message>
    <message>
        <source>Ce&amp;rrar</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Ejercicio %1</source>
        <translation>Exercise %1</translation>
    </message>
    <message>
        <source>Solución %1, carácter %2: %3</source>
        <translation>Solution %1, character %2: %3</translation>
    </message>
    <message>
        <source>Correcto.</source>
        <translation>Right.</translation>
    </message>
    <message>
        <source>Aciertos: %1 de %2</source>
        <translation>Right: %1 of %2</translation>
    </message>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Exportar PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>hoja-%1.pdf</source>
        <translation>worksheet-%1.pdf</translation>
    </message>
    <message>
        <source>Documentos PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>No se ha podido guardar el documento en %1.</source>
        <translation>The document could not be saved to %1.</translation>
    </message>
    <message>
        <source>Raíces enteras</source>
        <translation>Integer roots</translation>
    </message>
    <message>
        <source>Raíces racionales</source>
        <translation>Rational roots</translation>
    </message>
    <message>
        <source>Raíces irracionales</source>
        <translation>Irrational roots</translation>
    </message>
    <message>
        <source>Raíces complejas</source>
        <translation>Complex roots</translation>
    </message>
    <message>
        <source>Una raíz doble</source>
        <translation>A double root</translation>
    </message>
    <message>
        <source>Incompletas (b = 0 o c = 0)</source>
        <translation>Incomplete (b = 0 or c = 0)</translation>
    </message>
    <message>
        <source>Hay que desarrollar primero</source>
        <translation>Needs expanding first</translation>
    </message>
    <message>
        <source>fácil</source>
        <translation>easy</translation>
    </message>
    <message>
        <source>media</source>
        <translation>medium</translation>
    </message>
    <message>
        <source>difícil</source>
        <translation>hard</translation>
    </message>
    <message>
        <source>Semilla: %1. Dificultad: %2. Ejercicios: %3.</source>
        <translation>Seed: %1. Difficulty: %2. Exercises: %3.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Ecuaciones de segundo grado</source>
        <translation>Quadratic equations</translation>
    </message>
    <message>
        <source>Soluciones</source>
        <translation>Solutions</translation>
    </message>
</context>
<context>
    <name>QtPlatform</name>
    <message>
        <source>Aceptar</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Sí</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Acerca de %1</source>
        <translation>About %1</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Print</translation>
    </message>
</context>
<context>
    <name>SolveSummary</name>
    <message>
        <source>un medio</source>
        <translation>one half</translation>
    </message>
    <message>
        <source>%1 medios</source>
        <translation>%1 halves</translation>
    </message>
    <message>
        <source>un tercio</source>
        <translation>one third</translation>
    </message>
    <message>
        <source>%1 tercios</source>
        <translation>%1 thirds</translation>
    </message>
    <message>
        <source>un cuarto</source>
        <translation>one quarter</translation>
    </message>
    <message>
        <source>%1 cuartos</source>
        <translation>%1 quarters</translation>
    </message>
    <message>
        <source>un quinto</source>
        <translation>one fifth</translation>
    </message>
    <message>
        <source>%1 quintos</source>
        <translation>%1 fifths</translation>
    </message>
    <message>
        <source>un sexto</source>
        <translation>one sixth</translation>
    </message>
    <message>
        <source>%1 sextos</source>
        <translation>%1 sixths</translation>
    </message>
    <message>
        <source>un séptimo</source>
        <translation>one seventh</translation>
    </message>
    <message>
        <source>%1 séptimos</source>
        <translation>%1 sevenths</translation>
    </message>
    <message>
        <source>un octavo</source>
        <translation>one eighth</translation>
    </message>
    <message>
        <source>%1 octavos</source>
        <translation>%1 eighths</translation>
    </message>
    <message>
        <source>un noveno</source>
        <translation>one ninth</translation>
    </message>
    <message>
        <source>%1 novenos</source>
        <translation>%1 ninths</translation>
    </message>
    <message>
        <source>un décimo</source>
        <translation>one tenth</translation>
    </message>
    <message>
        <source>%1 décimos</source>
        <translation>%1 tenths</translation>
    </message>
</context>
<context>
    <name>SpokenFormula</name>
    <message>
        <source>más</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>menos</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>más o menos</source>
        <translation>plus or minus</translation>
    </message>
    <message>
        <source>igual a</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>aproximadamente igual a</source>
        <translation>approximately equals</translation>
    </message>
    <message>
        <source>por</source>
        <translation>times</translation>
    </message>
    <message>
        <source>mayor que</source>
        <translation>is greater than</translation>
    </message>
    <message>
        <source>menor que</source>
        <translation>is less than</translation>
    </message>
    <message>
        <source>%1 entre %2</source>
        <translation>%1 over %2</translation>
    </message>
    <message>
        <source>fracción de numerador %1 y denominador %2,</source>
        <translation>fraction with numerator %1 and denominator %2,</translation>
    </message>
    <message>
        <source>raíz cuadrada de %1</source>
        <translation>square root of %1</translation>
    </message>
    <message>
        <source>raíz cuadrada de %1, fin de raíz</source>
        <translation>square root of %1, end of root</translation>
    </message>
    <message>
        <source>%1 al cuadrado</source>
        <translation>%1 squared</translation>
    </message>
    <message>
        <source>%1 elevado a %2</source>
        <translation>%1 to the power %2</translation>
    </message>
    <message>
        <source>%1 subíndice %2</source>
        <translation>%1 sub %2</translation>
    </message>
    <message>
        <source>abre paréntesis %1 cierra paréntesis</source>
        <translation>open parenthesis %1 close parenthesis</translation>
    </message>
    <message>
        <source>mayor o igual que</source>
        <translation>greater than or equal to</translation>
    </message>
    <message>
        <source>menor o igual que</source>
        <translation>less than or equal to</translation>
    </message>
    <message>
        <source>distinto de</source>
        <translation>not equal to</translation>
    </message>
    <message>
        <source>perteneciente a</source>
        <translation>in</translation>
    </message>
    <message>
        <source>unión</source>
        <translation>union</translation>
    </message>
    <message>
        <source>infinito</source>
        <translation>infinity</translation>
    </message>
    <message>
        <source>los números reales</source>
        <translation>the real numbers</translation>
    </message>
    <message>
        <source>el conjunto vacío</source>
        <translation>the empty set</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message>
        <source>MAYÚS</source>
        <translation>CAPS</translation>
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
        <translation>Two real solutions: x one equals %1, x two equals %2</translation>
    </message>
    <message>
        <source>Dos soluciones complejas: x uno igual a %1, x dos igual a %2</source>
        <translation>Two complex solutions: x one equals %1, x two equals %2</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>Hoja de ejercicios</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Solo las &amp;soluciones</source>
        <translation>&amp;Solutions only</translation>
    </message>
    <message>
        <source>Con el &amp;desarrollo completo</source>
        <translation>With the full &amp;worked solution</translation>
    </message>
    <message>
        <source>&amp;Imprimir…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Exportar &amp;PDF…</source>
        <translation>E&amp;xport PDF…</translation>
    </message>
    <message>
        <source>&amp;Número de ejercicios:</source>
        <translation>&amp;Number of exercises:</translation>
    </message>
    <message>
        <source>Clave:</source>
        <translation>Key:</translation>
    </message>
</context>
</TS>
