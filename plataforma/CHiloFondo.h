#ifndef CHILOFONDO_H
#define CHILOFONDO_H

// El hilo de fondo de Allegro en Unix despierta mil veces por segundo para
// atender, una de cada diez, la ventana de X y el sonido. Este hace lo mismo
// despertando solo esas cien. En Windows no hace nada.
class CHiloFondo {
public:
    // Para el hilo de fondo de Allegro y pone este en su lugar, antes de
    // instalar el sonido o el mando. Lo que Allegro ya tenía registrado (en
    // X, su lectura de la ventana) pasa a hacerlo `bombeo`: va primero en
    // cada despertar, y deja de llamarse cuando se pide quitar algo que este
    // hilo no tiene. Falso si no había un hilo que sustituir o no se pudo
    // crear el nuevo: entonces sigue el de Allegro.
    static bool sustituir(void (*bombeo)());

private:
    // El gestor de fondo que Allegro llama, con su mismo contrato.
    static int iniciar();
    static void salir();
    static int registrar(void (*funcion)(int));
    static int quitar(void (*funcion)(int));
    static void habilitar();
    static void inhabilitar();
    static int inhabilitado();

    static void* bucle(void*);
    static void atender();
    static void llamarTodas();
    static bool tomarCerrojo();
    static void soltarCerrojo(bool tomado);
};

#endif
