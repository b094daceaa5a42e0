; A DOS of the Atari check's own, put in front of the program in one file and set up by its own
; INITAD at $1000. It owns DOSVEC, where the program returns. As a DOS that needs memory up to
; MEMLO_DOS (-D MEMLO_DOS=a) it sets MEMLO and clears the screen, and at DOSVEC it writes
; tekst.bin, what the program's check must have written above it. Otherwise it hands the program
; over as a real DOS may (I and D flags set, NMIEN 0, attract mode on), with an immediate
; vertical blank routine that counts frames; at DOSVEC it waits until that counter moves. Then
; it colours the OS screen: PF2 (and but for MEMLO_DOS PF1, the characters) in POLE, the
; border in TLO.
;   ca65 -D POLE=n -D TLO=n [-D MEMLO_DOS=a] atari_dos.s && ld65 -t none -o dos.xex atari_dos.o
        .include "atari.inc"
        .word $FFFF, init, koniec - 1
init:   lda #<powrot
        sta DOSVEC
        lda #>powrot
        sta DOSVEC+1
.ifdef MEMLO_DOS
        lda #<MEMLO_DOS
        sta MEMLO
        lda #>MEMLO_DOS
        sta MEMLO+1
        lda #PUTCHR
        ldy #<czysc
        ldx #1
        jmp pisz
powrot: lda #PUTREC
        ldy #<tekst
        ldx #koniec - tekst + 1         ; to its EOL, as the program writes its message
        jsr pisz
.else
        lda VVBLKI
        sta stary
        lda VVBLKI+1
        sta stary+1
        lda #6                          ; the immediate vertical blank vector
        ldy #<licz
        ldx #>licz
        jsr SETVBV
        lda #$FE                        ; attract mode on: past $7F
        sta ATRACT
        lda #0
        sta NMIEN
        sed
        sei
        rts
licz:   inc licznik
        jmp (stary)
powrot: lda licznik
        adc #2
:       cmp licznik
        bne :-
        lda #POLE
        sta COLOR0+1                    ; the characters as PF2: the OS screen one rectangle
.endif
        lda #POLE
        sta COLOR0+2
        lda #TLO
        sta COLOR0+4
        jmp *
.ifdef MEMLO_DOS
; CIO on the screen editor: command A, X bytes from Y in this page.
pisz:   sta ICCOM
        sty ICBAL
        stx ICBLL
        lda #>czysc
        sta ICBAH
        ldx #0
        stx ICBLH
        jmp CIOV
czysc:  .byte CLS
tekst:  .incbin "tekst.bin"
.else
stary:  .word 0
licznik: .byte 0
.endif
koniec:
        .word INITAD, INITAD + 1, init
