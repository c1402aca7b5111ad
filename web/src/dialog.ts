import { texts } from './texts.js';

function element<K extends keyof HTMLElementTagNameMap>(tag: K, props: Partial<HTMLElementTagNameMap[K]> = {},
  ...children: (Node | string)[]): HTMLElementTagNameMap[K] {
  const e = Object.assign(document.createElement(tag), props);
  e.append(...children);
  return e;
}
export { element };

// The message box: one text and 确定, the application's title above it.
// Messages that come while one is open wait their turn, as the desktop's
// boxes do. The open box's text is in #messageText.
export class MessageBox {
  private readonly dialog: HTMLDialogElement;
  private readonly text: HTMLElement;
  private readonly queue: string[] = [];
  private showing = false;

  constructor(parent: HTMLElement) {
    this.text = element('p', { id: 'messageText' });
    const ok = element('button', { id: 'messageOk', type: 'submit', textContent: texts.ok });
    this.dialog = element('dialog', { id: 'messageBox' },
      element('form', { method: 'dialog' }, element('div', { className: 'dialog-title', textContent: texts.appTitle }),
        this.text, element('div', { className: 'dialog-buttons' }, ok)));
    this.dialog.addEventListener('close', () => this.next());
    parent.append(this.dialog);
  }

  show(message: string): void {
    this.queue.push(message);
    if (!this.showing) this.next();
  }

  private next(): void {
    const message = this.queue.shift();
    this.showing = message !== undefined;
    if (message === undefined) return;
    this.text.textContent = message;
    this.dialog.showModal();
  }
}

// A dialog with a body and buttons; resolves with the button pressed, or
// null when closed with Escape.
export function ask(parent: HTMLElement, id: string, title: string, body: Node, buttons: string[]): Promise<number | null> {
  return new Promise((resolve) => {
    const dialog = element('dialog', { id, className: 'wide' });
    const row = element('div', { className: 'dialog-buttons' });
    buttons.forEach((caption, index) => {
      const b = element('button', { type: 'button', textContent: caption });
      b.addEventListener('click', () => { dialog.returnValue = String(index); dialog.close(); });
      row.append(b);
    });
    dialog.append(element('div', { className: 'dialog-title', textContent: title }), body, row);
    dialog.addEventListener('close', () => {
      dialog.remove();
      resolve(dialog.returnValue === '' ? null : Number(dialog.returnValue));
    });
    parent.append(dialog);
    dialog.showModal();
  });
}
