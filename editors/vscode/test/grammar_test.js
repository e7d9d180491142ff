// The grammar over every example script of the project and every example
// of the language reference: each statement keyword (as the reference's
// keyword table spells them, in both languages) is scoped as a keyword,
// each native line as embedded C, each comment as a comment.
'use strict';

const fs = require('fs');
const path = require('path');
const vsctm = require('vscode-textmate');
const oniguruma = require('vscode-oniguruma');

const root = path.resolve(__dirname, '..', '..', '..');
const here = path.resolve(__dirname, '..');

function filesUnder(dir, extension, out = []) {
  for (const entry of fs.readdirSync(dir, { withFileTypes: true })) {
    const full = path.join(dir, entry.name);
    if (entry.isDirectory()) filesUnder(full, extension, out);
    else if (entry.name.endsWith(extension)) out.push(full);
  }
  return out.sort();
}

// The keywords of the reference's table: its first two columns.
function referenceKeywords(reference) {
  const words = new Set();
  for (const line of reference.split('\n')) {
    const cells = line.split('|');
    if (cells.length < 4 || !cells[1].includes('`')) continue;
    for (const cell of [cells[1], cells[2]]) {
      for (const m of cell.matchAll(/`([A-Z_ ]+?)`/g)) words.add(m[1].split(' ')[0]);
    }
  }
  words.delete('END');
  words.delete('FIN');
  return words;
}

// The ```ptu blocks of a Markdown file, as scripts.
function markdownScripts(text) {
  const scripts = [];
  const re = /```ptu\n([\s\S]*?)```/g;
  let m;
  while ((m = re.exec(text)) !== null) scripts.push(m[1]);
  return scripts;
}

async function main() {
  const wasm = fs.readFileSync(require.resolve('vscode-oniguruma/release/onig.wasm')).buffer;
  await oniguruma.loadWASM(wasm);
  const registry = new vsctm.Registry({
    onigLib: Promise.resolve({
      createOnigScanner: (sources) => new oniguruma.OnigScanner(sources),
      createOnigString: (s) => new oniguruma.OnigString(s),
    }),
    loadGrammar: async (scope) => {
      const file = scope === 'source.ptu'
        ? path.join(here, 'syntaxes', 'ptu.tmLanguage.json')
        : scope === 'source.c' ? path.join(here, 'test', 'c-stand-in.tmLanguage.json') : null;
      return file ? vsctm.parseRawGrammar(fs.readFileSync(file, 'utf8'), file) : null;
    },
  });
  const grammar = await registry.loadGrammar('source.ptu');
  const reference = fs.readFileSync(path.join(root, 'docs', 'language.md'), 'utf8');
  const keywords = referenceKeywords(reference);
  if (keywords.size < 40) throw new Error('the keyword table of the reference was not read');

  const scripts = filesUnder(path.join(root, 'examples'), '.ptu')
    .map((file) => ({ name: path.relative(root, file), text: fs.readFileSync(file, 'utf8') }));
  markdownScripts(reference).forEach((text, i) => scripts.push({ name: `docs/language.md#${i + 1}`, text }));

  const failures = [];
  let keywordsSeen = 0, nativeSeen = 0, commentsSeen = 0;
  for (const script of scripts) {
    let state = vsctm.INITIAL;
    script.text.split('\n').forEach((line, index) => {
      const result = grammar.tokenizeLine(line, state);
      state = result.ruleStack;
      const where = `${script.name}:${index + 1}: ${line}`;
      const scopesAt = (column) => {
        const token = result.tokens.find((t) => t.startIndex <= column && column < t.endIndex);
        return token ? token.scopes : [];
      };
      const first = line.search(/\S/);
      if (first < 0) return;
      if (line.startsWith('--', first)) {
        commentsSeen++;
        for (let c = first; c < line.length; c++) {
          if (!scopesAt(c).includes('comment.line.double-dash.ptu')) {
            failures.push(`${where}\n  column ${c + 1} is not a comment`);
            return;
          }
        }
        return;
      }
      if ('#!@'.includes(line[first])) {
        nativeSeen++;
        for (let c = first + 1; c < line.length; c++) {
          if (line[c] !== '#' && !scopesAt(c).includes('meta.embedded.line.c')) {
            failures.push(`${where}\n  column ${c + 1} is not C`);
            return;
          }
        }
        return;
      }
      const word = line.slice(first).match(/^[A-Za-z_]+/);
      if (word && keywords.has(word[0].toUpperCase())) {
        keywordsSeen++;
        for (let c = first; c < first + word[0].length; c++) {
          if (!scopesAt(c).includes('keyword.control.ptu')) {
            failures.push(`${where}\n  the keyword ${word[0]} is not scoped as one`);
            return;
          }
        }
      }
      // A comment after a statement, outside quotes.
      const comment = line.replace(/"(\\.|[^"\\])*"/g, (s) => ' '.repeat(s.length)).indexOf('--');
      if (comment > first && !scopesAt(comment).includes('comment.line.double-dash.ptu')) {
        failures.push(`${where}\n  the comment at column ${comment + 1} is not a comment`);
      }
    });
  }
  if (keywordsSeen < 100 || nativeSeen < 50 || commentsSeen < 50) {
    failures.push(`too few lines checked: ${keywordsSeen} keywords, ${nativeSeen} native, ` +
                  `${commentsSeen} comments`);
  }
  if (failures.length > 0) {
    console.error(failures.join('\n'));
    console.error(`${failures.length} failure(s)`);
    process.exit(1);
  }
  console.log(`grammar: ${scripts.length} scripts, ${keywordsSeen} keyword lines, ` +
              `${nativeSeen} native lines, ${commentsSeen} comment lines`);
}

main().catch((e) => { console.error(e); process.exit(1); });
